#pragma once
// When the choice in a combo box acts. A choice acts once: when the open list
// closes on an item the user took (a click on it, Enter), or when a key steps
// the closed box to another item. A list closed any other way (Esc, Tab, a
// click elsewhere) puts back the item that last acted, as Esc does in any
// drop-down list, so the box never shows an item that did nothing.
//
// The control reports these steps through notifications whose order differs
// between versions of the system, and one click can bring several of them,
// some after the list has closed. So nothing acts inside a notification: when
// the list closes, the decision is posted and taken once every notification
// of that input is in.

#include <windows.h>

#include <map>
#include <string>

// The notification (WM_COMMAND) with which a combo box tells its window that
// the user's choice acts now; the combo box's selection names the item.
inline constexpr int kComboChoiceConfirmed = 0x7E01;

class ComboChoices {
  public:
    // To be given every WM_COMMAND notification of a combo box; true when the
    // choice acts now (kComboChoiceConfirmed).
    bool acts(HWND combo, int code);

  private:
    struct Choice {
        bool open = false;     // between CBN_DROPDOWN and CBN_CLOSEUP
        bool closing = false;  // closed, the decision posted and not yet taken
        bool taken = false;    // the list closed on an item
        int acted = -1;        // the item that last acted
        std::wstring shown;    // the field's text when the list opened
    };

    bool decide(HWND combo, Choice& choice);

    std::map<HWND, Choice> choices_;
};
