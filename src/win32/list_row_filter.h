#pragma once
// Shows some rows of a list made by createListView and hides the others, so
// that they come back exactly: every column, in their order. Other code that
// changes the list's rows while a filter lasts first gets every row back: the
// change applies to the row it named (the one shown at the index it gave),
// and the filter ends.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "common/value_types.h"

// Starts a filter on `list`, which shows every row until told otherwise;
// `changedFromOutside` runs once a change by other code has ended the filter.
// A filter already on the list ends first.
void beginRowFilter(HWND list, std::function<void()> changedFromOutside);

// Whether a filter is on `list`.
bool rowFilterActive(HWND list);

// Column `column` of every row of the list, shown or not, in order; empty
// without a filter.
std::vector<Text> filteredColumn(HWND list, int column);

// Shows exactly the rows `rows` (0-based among all rows, ascending), in their
// order; the selected row stays selected when it is among them.
void showRows(HWND list, const std::vector<std::int32_t>& rows);

// Brings every row back in its order and ends the filter; the selected row
// stays selected and is scrolled into view.
void endRowFilter(HWND list);
