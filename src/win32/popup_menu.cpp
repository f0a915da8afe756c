#include "popup_menu.h"

#include "wide_text.h"

HMENU createPopupMenu(const std::vector<Text>& entries, int firstId) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(firstId) + i,
                    toWide(entries[i]).c_str());
    }
    return menu;
}

void destroyPopupMenu(HMENU menu) {
    DestroyMenu(menu);
}

void showPopupMenuAtCursor(HMENU menu, HWND owner) {
    POINT cursor;
    if (!menu || !owner || !GetCursorPos(&cursor)) {
        return;
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   owner, nullptr);
}
