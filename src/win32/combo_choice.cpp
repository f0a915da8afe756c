#include "combo_choice.h"

#include "standard_controls.h"
#include "window_text.h"

namespace {

// Posted when the list has closed; the choice is decided when it arrives.
constexpr int kComboListClosed = 0x7E02;

void post(HWND combo, int code) {
    PostMessageW(GetAncestor(combo, GA_ROOT), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), code),
                 reinterpret_cast<LPARAM>(combo));
}

bool hasEditField(HWND combo) {
    return (GetWindowLongPtrW(combo, GWL_STYLE) & 3) == CBS_DROPDOWN;
}

}  // namespace

bool ComboChoices::acts(HWND combo, int code) {
    Choice& choice = choices_[combo];
    switch (code) {
        case kComboChoiceConfirmed:
            choice.acted = selectedItem(combo);
            return true;
        case kComboListClosed:
            return decide(combo, choice);
        case CBN_DROPDOWN:
            choice.open = true;
            choice.taken = false;
            choice.shown = wideWindowText(combo);
            return false;
        case CBN_SELENDOK:
            if (choice.open || choice.closing) {
                choice.taken = true;
            }
            return false;
        case CBN_CLOSEUP:
            if (choice.open) {
                choice.open = false;
                choice.closing = true;
                post(combo, kComboListClosed);
            }
            return false;
        case CBN_SELCHANGE:
            // A key on the closed box; the open list's steps wait for its closing.
            if (!choice.open && !choice.closing && !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) &&
                selectedItem(combo) != choice.acted) {
                post(combo, kComboChoiceConfirmed);
            }
            return false;
        default:
            return false;
    }
}

bool ComboChoices::decide(HWND combo, Choice& choice) {
    if (!choice.closing || choice.open) {
        return false;  // opened again meanwhile: the next closing decides
    }
    choice.closing = false;
    if (choice.taken) {
        choice.taken = false;
        choice.acted = selectedItem(combo);
        return true;
    }
    if (selectedItem(combo) != choice.acted) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(choice.acted), 0);
        if (choice.acted < 0 && hasEditField(combo)) {
            SetWindowTextW(combo, choice.shown.c_str());
        }
    }
    return false;
}
