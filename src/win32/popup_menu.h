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

// Shows a context menu of `owner` at `screen` (the point of the click, or
// where the keyboard's selection is) built from `entries` in order, an empty
// entry being a separator, the entry `defaultEntry` (-1: none) in bold as the
// one a double click or Enter also runs. Returns the index of the entry chosen
// when the menu has closed; -1 when none was.
int chooseFromMenu(const std::vector<Text>& entries, int defaultEntry, HWND owner, POINT screen);

// Shows `menu` at the mouse cursor as a context menu of `owner` and returns
// when it closes; a chosen entry reaches `owner` afterwards as a WM_COMMAND
// carrying its command id. A null menu or owner shows nothing.
void showPopupMenuAtCursor(HMENU menu, HWND owner);
