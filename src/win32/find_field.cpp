#include "find_field.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "child_place.h"
#include "control_font.h"
#include "dpi_scale.h"
#include "parent_background.h"
#include "wide_text.h"
#include "window_object.h"
#include "window_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriFindField";
constexpr UINT_PTR kSubclassId = 1;
// At 96 DPI: the strip's height (that of the window's combo boxes), its gap
// below the anchor, and the gap between caption and edit.
constexpr int kHeight = 20;
constexpr int kGapBelowAnchor = 4;
constexpr int kCaptionGap = 2;

LRESULT CALLBACK editKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data);

// The strip: it holds the caption and the edit, hands their colour questions
// to its parent as if they were the parent's own children, and shows the
// parent's background behind them.
class FindField final : public WindowObject {
  public:
    FindField(HWND anchor, FindFieldHandlers handlers)
        : anchor_(anchor), handlers_(std::move(handlers)) {}

    HWND window() const { return window_; }
    HWND anchor() const { return anchor_; }
    HWND edit() const { return edit_; }
    const FindFieldHandlers& handlers() const { return handlers_; }

    // Under the anchor, on top of its siblings. A sibling it covers is
    // clipped around it, so that sibling's painting never covers the field.
    void place() {
        HWND parent = GetParent(window_);
        RECT anchor;
        GetWindowRect(anchor_, &anchor);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&anchor), 2);
        const RECT strip = {anchor.left, anchor.bottom + scaled(kGapBelowAnchor), anchor.right,
                            anchor.bottom + scaled(kGapBelowAnchor) + scaled(kHeight)};
        for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            RECT area;
            RECT overlap;
            GetWindowRect(sibling, &area);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
            if (sibling != window_ && IntersectRect(&overlap, &area, &strip)) {
                SetWindowLongPtrW(sibling, GWL_STYLE,
                                  GetWindowLongPtrW(sibling, GWL_STYLE) | WS_CLIPSIBLINGS);
            }
        }
        SetWindowPos(window_, HWND_TOP, strip.left, strip.top, strip.right - strip.left,
                     strip.bottom - strip.top, SWP_NOACTIVATE);
    }

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CREATE:
                createParts();
                return 0;
            case WM_SIZE:
                layOut(LOWORD(lParam), HIWORD(lParam));
                return 0;
            case WM_COMMAND:
                if (reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_CHANGE &&
                    handlers_.changed) {
                    handlers_.changed(fromWide(wideWindowText(edit_)));
                }
                return 0;
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLOREDIT:
                return SendMessageW(GetParent(window_), message, wParam, lParam);
            case WM_ERASEBKGND:
                paintParentBackground(window_, reinterpret_cast<HDC>(wParam));
                return TRUE;
            default:
                return DefWindowProcW(window_, message, wParam, lParam);
        }
    }

  private:
    void createParts() {
        const ChildPlace place = {window_, 1, 0, 0, 0, 0, false, true};
        caption_ = createChildWindow(place, WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE,
                                     wideWindowText(window_));
        edit_ = createChildWindow({window_, 2, 0, 0, 0, 0, true, true}, WC_EDITW, ES_AUTOHSCROLL,
                                  L"", WS_EX_CLIENTEDGE);
        for (HWND part : {caption_, edit_}) {
            SendMessageW(part, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont()), FALSE);
        }
        SetWindowSubclass(edit_, editKeys, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }

    // The caption as wide as its text, the edit in the rest.
    void layOut(int width, int height) {
        const std::wstring text = wideWindowText(caption_);
        SIZE extent = {};
        HDC dc = GetDC(caption_);
        HGDIOBJ old = SelectObject(dc, controlFont());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(caption_, dc);
        const int captionWidth = std::min<int>(extent.cx, width);
        const int editLeft = std::min(width, captionWidth + scaled(kCaptionGap));
        MoveWindow(caption_, 0, 0, captionWidth, height, TRUE);
        MoveWindow(edit_, editLeft, 0, width - editLeft, height, TRUE);
    }

    HWND anchor_;
    FindFieldHandlers handlers_;
    HWND caption_ = nullptr;
    HWND edit_ = nullptr;
};

ATOM fieldClass() {
    return registerWindowObjectClass<FindField>(kClassName);
}

// The field of `anchor`; null when it has none.
FindField* fieldOf(HWND anchor) {
    HWND root = GetAncestor(anchor, GA_ROOT);
    for (HWND window = FindWindowExW(root, nullptr, kClassName, nullptr); window;
         window = FindWindowExW(root, window, kClassName, nullptr)) {
        FindField* field = windowObjectOf<FindField>(window, fieldClass());
        if (field && field->anchor() == anchor) {
            return field;
        }
    }
    return nullptr;
}

LRESULT CALLBACK editKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    const auto& field = *reinterpret_cast<const FindField*>(data);
    const bool escapeOrEnter = wParam == VK_ESCAPE || wParam == VK_RETURN;
    switch (message) {
        case WM_GETDLGCODE:
            // Esc and Enter reach the edit instead of cancelling or
            // confirming the window.
            if (lParam != 0 && escapeOrEnter) {
                return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTMESSAGE;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE && field.handlers().escape) {
                field.handlers().escape();
                return 0;
            }
            if (wParam == VK_RETURN) {
                HWND anchor = field.anchor();
                if (field.handlers().enter) {
                    field.handlers().enter();
                }
                SetFocus(anchor);
                return 0;
            }
            break;
        case WM_CHAR:
            // The edit would beep at them.
            if (escapeOrEnter) {
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, editKeys, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void openFindField(HWND anchor, const Text& caption, FindFieldHandlers handlers) {
    FindField* field = fieldOf(anchor);
    if (!field) {
        const ChildPlace place = {GetAncestor(anchor, GA_ROOT), 0, 0, 0, 0, 0, false, true};
        HWND window =
            createWindowObject(std::make_unique<FindField>(anchor, std::move(handlers)), kClassName,
                               place, WS_CLIPCHILDREN, toWide(caption), WS_EX_CONTROLPARENT);
        field = windowObjectOf<FindField>(window, fieldClass());
        if (!field) {
            return;
        }
    }
    field->place();
    ShowWindow(field->window(), SW_SHOW);
    SetFocus(field->edit());
    SendMessageW(field->edit(), EM_SETSEL, 0, -1);
}

void placeFindField(HWND anchor) {
    FindField* field = fieldOf(anchor);
    if (field && IsWindowVisible(field->window())) {
        field->place();
    }
}

void closeFindField(HWND anchor) {
    FindField* field = fieldOf(anchor);
    if (!field) {
        return;
    }
    HWND window = field->window();
    HWND focus = GetFocus();
    if (focus == window || IsChild(window, focus)) {
        SetFocus(anchor);
    }
    ShowWindow(window, SW_HIDE);
    SetWindowTextW(field->edit(), L"");
}
