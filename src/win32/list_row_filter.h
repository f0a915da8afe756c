#pragma once
// Shows some rows of a report-style list view and keeps the others aside, so
// that they come back exactly: every column, in their order. While a filter
// lasts it watches the list: when other code inserts, deletes or rewrites
// rows, every row comes back first, that change then applies to the row it
// named (the one shown at the index it gave), and the filter ends.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "common/value_types.h"

// Takes the rows of `list` as they are now and starts a filter on it, which
// shows every row until told otherwise; `changedFromOutside` runs once a
// change by other code has ended the filter. A filter already on the list
// ends first.
void beginRowFilter(HWND list, std::function<void()> changedFromOutside);

// Whether a filter is on `list`.
bool rowFilterActive(HWND list);

// Column `column` of every row the filter took, in order; empty without a
// filter.
std::vector<Text> filteredColumn(HWND list, int column);

// Shows exactly the taken rows `rows` (0-based, ascending), in their order.
void showRows(HWND list, const std::vector<std::int32_t>& rows);

// Brings every row back in its order and ends the filter; the selected row
// stays selected and is scrolled into view.
void endRowFilter(HWND list);
