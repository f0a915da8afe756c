#pragma once
// Flicker-free painting: a control answers WM_PAINT by drawing its whole client
// area into a memory DC, which reaches the screen in one copy.

#include <windows.h>

class OffscreenPaint {
  public:
    // Begins painting `window`; the memory DC covers its client area.
    explicit OffscreenPaint(HWND window);
    // Copies the drawing to the window and ends painting.
    ~OffscreenPaint();
    OffscreenPaint(const OffscreenPaint&) = delete;
    OffscreenPaint& operator=(const OffscreenPaint&) = delete;

    HDC dc() const { return memory_; }
    const RECT& client() const { return client_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_;
    RECT client_{};
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
};
