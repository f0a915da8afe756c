#include "dpi_scale.h"

int systemDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int read = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen) {
            ReleaseDC(nullptr, screen);
        }
        return read > 0 ? read : kDesignDpi;
    }();
    return dpi;
}

int scaled(int length) {
    return MulDiv(length, systemDpi(), kDesignDpi);
}

RECT scaledRect(int left, int top, int width, int height) {
    return {scaled(left), scaled(top), scaled(left + width), scaled(top + height)};
}
