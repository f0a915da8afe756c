#include "parent_background.h"

namespace {

bool isStandardGroupBox(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) && lstrcmpiW(name, L"Button") == 0 &&
           (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Lets `window` paint into `dc` as though `dc` began at `origin` of its client
// area. A window that paints nothing on these messages leaves the brush it
// answers WM_CTLCOLORSTATIC with, which is its background to static text.
void printInto(HWND window, HWND control, HDC dc, POINT origin, bool erase) {
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    if (erase) {
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window, WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(control)));
        RECT client = {};
        GetClientRect(window, &client);
        FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
}

// `origin` is where `dc`'s origin lies in `window`'s client coordinates.
void paintBackgroundOf(HWND window, HWND control, HDC dc, POINT origin) {
    if (isStandardGroupBox(window)) {
        HWND parent = GetParent(window);
        POINT inParent = origin;
        MapWindowPoints(window, parent, &inParent, 1);
        paintBackgroundOf(parent, control, dc, inParent);
        printInto(window, control, dc, origin, false);
        return;
    }
    printInto(window, control, dc, origin, true);
}

}  // namespace

void paintParentBackground(HWND control, HDC dc) {
    HWND parent = GetParent(control);
    POINT origin = {0, 0};
    MapWindowPoints(control, parent, &origin, 1);
    paintBackgroundOf(parent, control, dc, origin);
}
