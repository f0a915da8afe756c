#pragma once
// Popup menus: a list of entries shown at the mouse cursor.

#include <windows.h>

#include <vector>

#include "common/value_types.h"

// A popup menu whose entries, in order, carry the command ids firstId,
// firstId + 1, ...; destroyed with its owner.
class PopupMenu {
  public:
    PopupMenu(const std::vector<Text>& entries, int firstId);
    ~PopupMenu();
    PopupMenu(PopupMenu&& other) noexcept;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    PopupMenu& operator=(PopupMenu&&) = delete;

    HMENU handle() const { return menu_; }

  private:
    HMENU menu_;
};

// Shows `menu` at the mouse cursor as a context menu of `owner` and returns
// when it closes; a chosen entry reaches `owner` afterwards as a WM_COMMAND
// carrying its command id. A null menu or owner shows nothing.
void showPopupMenuAtCursor(HMENU menu, HWND owner);
