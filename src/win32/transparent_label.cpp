#include "transparent_label.h"

#include <memory>
#include <string>

#include "gdi_object.h"
#include "offscreen_paint.h"
#include "parent_background.h"
#include "simsun_font.h"
#include "wide_text.h"
#include "window_object.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriTransparentLabel";

class TransparentLabel {
  public:
    explicit TransparentLabel(COLORREF color) : color_(color), font_(createSimSunFont()) {}
    TransparentLabel(const TransparentLabel&) = delete;
    TransparentLabel& operator=(const TransparentLabel&) = delete;

    void attach(HWND window) { window_ = window; }

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
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
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

    HWND window_ = nullptr;
    COLORREF color_;
    GdiObject<HFONT> font_;
};

}  // namespace

HWND createTransparentLabel(HWND parent, int controlId, int left, int top, int width, int height,
                            const Text& text, COLORREF color) {
    registerWindowObjectClass<TransparentLabel>(kClassName);
    auto label = std::make_unique<TransparentLabel>(color);
    return CreateWindowExW(0, kClassName, toWide(text).c_str(), WS_CHILD | WS_VISIBLE, left, top,
                           width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           GetModuleHandleW(nullptr), &label);
}
