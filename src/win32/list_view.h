#pragma once
// Row and cell operations on a report-style list view, with the program's
// texts. Rows and columns count from 0.

#include <windows.h>

#include <cstdint>

#include "common/value_types.h"

void deleteAllRows(HWND list);
// Appends an empty row at the end; returns its index, -1 on failure.
std::int32_t appendRow(HWND list);
void setCellText(HWND list, std::int32_t row, std::int32_t column, const Text& text);
// The cell's text; empty for a row of -1 or beyond the last row.
Text cellText(HWND list, std::int32_t row, std::int32_t column);
// The selected row, -1 when none is.
std::int32_t selectedRow(HWND list);
// Selects `row` alone, marks it as the one the keyboard acts on and scrolls
// it into view.
void selectRow(HWND list, std::int32_t row);
std::int32_t rowCount(HWND list);

// Holds back a list's drawing while many rows change, and draws it once
// afterwards; each change would otherwise redraw the list and its scroll bars.
class RowBatch {
  public:
    explicit RowBatch(HWND list);
    ~RowBatch();
    RowBatch(const RowBatch&) = delete;
    RowBatch& operator=(const RowBatch&) = delete;

  private:
    HWND list_;
};
