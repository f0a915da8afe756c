#include "skin_subclass.h"

#include <commctrl.h>

#include "skin_brushes.h"
#include "skin_button_paint.h"
#include "skin_header_paint.h"
#include "skin_session.h"

namespace {

// A child's own colour (SkinH_SetBackColor/SetForeColor) wins over its
// parent's, which wins over the theme's.
const SkinnedWindow* colourSource(const SkinnedWindow& parent, HWND control, bool back) {
    const SkinnedWindow* child = skinnedWindow(control);
    if (child && (back ? child->back : child->fore)) {
        return child;
    }
    return &parent;
}

LRESULT answerColours(const SkinnedWindow& skinned, WPARAM wParam, LPARAM lParam, SkinColour back,
                      SkinColour fore) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    const COLORREF backColor = backColour(colourSource(skinned, control, true), back);
    SetTextColor(dc, foreColour(colourSource(skinned, control, false), fore));
    SetBkColor(dc, backColor);
    return reinterpret_cast<LRESULT>(skinBrush(backColor));
}

bool onFrameMessage(const SkinnedWindow& skinned, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(skinned.window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     skinBrush(backColour(&skinned, SkinColour::windowBack)));
            result = TRUE;
            return true;
        }
        case WM_NCHITTEST:
            result = DefSubclassProc(skinned.window, message, wParam, lParam);
            if (skinned.movable && result == HTCLIENT) {
                result = HTCAPTION;
            }
            return true;
        default:
            return false;
    }
}

ButtonColours buttonColours(const SkinnedWindow& skinned) {
    const SkinTheme& theme = *attachedTheme();
    return {backColour(&skinned, SkinColour::buttonFace),
            foreColour(&skinned, SkinColour::buttonText), theme[SkinColour::frameLight],
            theme[SkinColour::frameShadow]};
}

bool onButtonMessage(const SkinnedWindow& skinned, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(skinned.window, &paint);
            paintSkinnedButton(skinned.window, dc, buttonColours(skinned));
            EndPaint(skinned.window, &paint);
            result = 0;
            return true;
        }
        case WM_PRINTCLIENT:
            paintSkinnedButton(skinned.window, reinterpret_cast<HDC>(wParam),
                               buttonColours(skinned));
            result = 0;
            return true;
        case WM_ERASEBKGND:
            result = TRUE;
            return true;
        // The button draws its new state itself, in the system's colours,
        // without a WM_PAINT; ask for one.
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
        case BM_SETSTATE:
        case BM_SETSTYLE:
            result = DefSubclassProc(skinned.window, message, wParam, lParam);
            InvalidateRect(skinned.window, nullptr, FALSE);
            return true;
        default:
            return false;
    }
}

bool onListViewMessage(const SkinnedWindow& skinned, UINT message, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) {
        return false;
    }
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    HWND columns = reinterpret_cast<HWND>(SendMessageW(skinned.window, LVM_GETHEADER, 0, 0));
    if (header->code != NM_CUSTOMDRAW || header->hwndFrom != columns) {
        return false;
    }
    const SkinTheme& theme = *attachedTheme();
    result = paintSkinnedHeader(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam),
                                {theme[SkinColour::headerFace], theme[SkinColour::headerText],
                                 theme[SkinColour::frameLight], theme[SkinColour::frameShadow]});
    return true;
}

bool onKindMessage(const SkinnedWindow& skinned, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) {
    switch (skinned.kind) {
        case SkinnedKind::frame:
            return onFrameMessage(skinned, message, wParam, lParam, result);
        case SkinnedKind::pushButton:
            return onButtonMessage(skinned, message, wParam, lParam, result);
        case SkinnedKind::listView:
            return onListViewMessage(skinned, message, lParam, result);
        case SkinnedKind::container:
            return false;
    }
    return false;
}

}  // namespace

LRESULT CALLBACK skinSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR data) {
    auto& skinned = *reinterpret_cast<SkinnedWindow*>(data);
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
            return answerColours(skinned, wParam, lParam, SkinColour::windowBack,
                                 SkinColour::windowText);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return answerColours(skinned, wParam, lParam, SkinColour::controlBack,
                                 SkinColour::controlText);
        case WM_CREATE: {
            // A window the hook found: it can take its colours once it exists.
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (result != -1) {
                finishSkinning(skinned);
            }
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, skinSubclassProc, id);
            forgetWindow(window);
            return DefSubclassProc(window, message, wParam, lParam);
        default:
            break;
    }
    LRESULT result = 0;
    if (onKindMessage(skinned, message, wParam, lParam, result)) {
        return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
