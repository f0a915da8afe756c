#include "transparent_label.h"

#include <memory>
#include <string>

#include "gdi_object.h"
#include "offscreen_paint.h"
#include "parent_background.h"
#include "simsun_font.h"
#include "wide_text.h"
#include "window_object.h"
#include "window_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriTransparentLabel";

class TransparentLabel final : public WindowObject {
  public:
    explicit TransparentLabel(COLORREF color) : color_(color), font_(createSimSunFont()) {}

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_PAINT:
                onPaint();
                return 0;
            case WM_ERASEBKGND:
                return TRUE;
            case WM_SETTEXT:
                return onSetText(wParam, lParam);
            case WM_LBUTTONDOWN:
                onLeftButtonDown();
                return 0;
            case WM_GETFONT:
                return reinterpret_cast<LRESULT>(font_.get());
            default:
                return DefWindowProcW(window_, message, wParam, lParam);
        }
    }

  private:
    void onPaint() {
        OffscreenPaint paint(window_);
        HDC dc = paint.dc();
        paintParentBackground(window_, dc);
        const std::wstring text = wideWindowText(window_);
        SelectObject(dc, font_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, color_);
        RECT rect = paint.client();
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }

    LRESULT onSetText(WPARAM wParam, LPARAM lParam) {
        const LRESULT result = DefWindowProcW(window_, WM_SETTEXT, wParam, lParam);
        InvalidateRect(window_, nullptr, FALSE);
        return result;
    }

    void onLeftButtonDown() {
        const int id = GetDlgCtrlID(window_);
        SendMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(id, kLabelPressed),
                     reinterpret_cast<LPARAM>(window_));
    }

    COLORREF color_;
    GdiObject<HFONT> font_;
};

}  // namespace

HWND createTransparentLabel(const ChildPlace& place, const Text& text, COLORREF color) {
    return createWindowObject(std::make_unique<TransparentLabel>(color), kClassName, place, 0,
                              toWide(text));
}
