#include "skin_menu_alpha.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kMenuAlphaSubclassId = 0x534D;

LRESULT CALLBACK menuAlphaProc(HWND menu, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR alpha) {
    if (message != WM_CREATE && message != WM_NCDESTROY) {
        return DefSubclassProc(menu, message, wParam, lParam);
    }
    const LRESULT result = DefSubclassProc(menu, message, wParam, lParam);
    RemoveWindowSubclass(menu, menuAlphaProc, id);
    if (message == WM_CREATE && result != -1) {
        SetWindowLongPtrW(menu, GWL_EXSTYLE, GetWindowLongPtrW(menu, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(menu, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    }
    return result;
}

}  // namespace

void fadePopupMenu(HWND menu, BYTE alpha) {
    SetWindowSubclass(menu, menuAlphaProc, kMenuAlphaSubclassId, alpha);
}
