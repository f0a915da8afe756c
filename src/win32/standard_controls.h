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

// A report-style list view with the given columns, whole rows selected; Enter
// on it reaches its parent as NM_RETURN. Its rows are kept beside it (see
// list_view.h), so that it is as quick with 100,000 rows as with ten.
HWND createListView(const ChildPlace& place, const std::vector<ListColumn>& columns);

// A drop-down list of `items`; with an edit text the field shows that text
// until an item is chosen. `height` is the closed field's height.
HWND createComboBox(const ChildPlace& place, const std::vector<Text>& items, const Text& text);

// The selected item of a combo box; -1 when none is.
std::int32_t selectedItem(HWND combo);

// Makes the closed field of `combo` `height` pixels high again; a drop-down
// combo box works that height out from its font whenever its width changes.
void fitClosedHeight(HWND combo, int height);

HWND createPushButton(const ChildPlace& place, const Text& caption);
HWND createSpinControl(const ChildPlace& place);
// Multi-line static text; CR LF breaks lines.
HWND createLabel(const ChildPlace& place, const Text& text);
