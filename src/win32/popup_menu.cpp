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

int chooseFromMenu(const std::vector<Text>& entries, int defaultEntry, HWND owner, POINT screen) {
    PopupMenu menu({}, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Command 0 means "nothing chosen", so entry i carries i + 1.
        if (entries[i].empty()) {
            AppendMenuW(menu.handle(), MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu.handle(), MF_STRING, i + 1, toWide(entries[i]).c_str());
        }
    }
    if (defaultEntry >= 0) {
        SetMenuDefaultItem(menu.handle(), static_cast<UINT>(defaultEntry + 1), FALSE);
    }
    const BOOL chosen = TrackPopupMenu(
        menu.handle(),
        TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, screen.x,
        screen.y, 0, owner, nullptr);
    return chosen > 0 ? chosen - 1 : -1;
}
