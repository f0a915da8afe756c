#include "popup_menu.h"

#include <utility>

#include "wide_text.h"

PopupMenu::PopupMenu(const std::vector<Text>& entries, int firstId) : menu_(CreatePopupMenu()) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(firstId) + i,
                    toWide(entries[i]).c_str());
    }
}

PopupMenu::~PopupMenu() {
    if (menu_) {
        DestroyMenu(menu_);
    }
}

PopupMenu::PopupMenu(PopupMenu&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)) {}

void showPopupMenuAtCursor(HMENU menu, HWND owner) {
    POINT cursor;
    if (!menu || !owner || !GetCursorPos(&cursor)) {
        return;
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   owner, nullptr);
}
