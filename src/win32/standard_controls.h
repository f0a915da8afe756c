#pragma once
// The system's own controls, created with the program's texts and font.
// Every create function makes a visible child window with the given control
// id and geometry relative to `parent`; tabStop and enabled set its input.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "child_place.h"
#include "common/value_types.h"

struct ListColumn {
    Text caption;
    int width;
};

// A report-style list view with the given columns, whole rows selected.
HWND createListView(const ChildPlace& place, const std::vector<ListColumn>& columns);

// A drop-down list of `items`; with an edit text the field shows that text
// until an item is chosen. `height` is the closed field's height.
HWND createComboBox(const ChildPlace& place, const std::vector<Text>& items, const Text& text);

// The notification (WM_COMMAND) with which a combo box tells its window that
// the user confirmed a choice, once the choice is final.
inline constexpr int kComboChoiceConfirmed = 0x7E01;

// To be given every notification of `combo`; true for kComboChoiceConfirmed.
// A choice is confirmed when the list closes on an item (a click on it,
// Enter) or the selection changes on the closed box (an arrow key); steps
// through the open list and a list closed without a choice confirm nothing.
// The system announces one confirmation with CBN_SELENDOK, CBN_SELCHANGE or
// both, in an order that differs between a click and a key, and a click's
// selection is final only after the last of them; so the first of them posts
// one kComboChoiceConfirmed to the root window, and the others of the same
// confirmation post nothing more.
bool isConfirmedChoice(HWND combo, int code);

// The selected item of a combo box; -1 when none is.
std::int32_t selectedItem(HWND combo);

// Makes the closed field of `combo` `height` pixels high again; a drop-down
// combo box works that height out from its font whenever its width changes.
void fitClosedHeight(HWND combo, int height);

HWND createPushButton(const ChildPlace& place, const Text& caption);
HWND createSpinControl(const ChildPlace& place);
// Multi-line static text; CR LF breaks lines.
HWND createLabel(const ChildPlace& place, const Text& text);
