#include "offscreen_paint.h"

OffscreenPaint::OffscreenPaint(HWND window)
    : window_(window), screen_(BeginPaint(window, &paint_)) {
    GetClientRect(window, &client_);
    memory_ = CreateCompatibleDC(screen_);
    // A zero-sized bitmap fails; one pixel keeps the DC usable for empty windows.
    bitmap_ = CreateCompatibleBitmap(screen_, client_.right > 0 ? client_.right : 1,
                                     client_.bottom > 0 ? client_.bottom : 1);
    oldBitmap_ = SelectObject(memory_, bitmap_);
}

OffscreenPaint::~OffscreenPaint() {
    BitBlt(screen_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
    SelectObject(memory_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
    EndPaint(window_, &paint_);
}
