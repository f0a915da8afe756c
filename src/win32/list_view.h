#pragma once
// Row and cell operations on a list view made by createListView, with the
// program's texts; the rows are kept beside the list, which asks for the
// cells it draws. Rows and columns count from 0; while a filter shows some
// rows, a row is named by its place among the rows shown.

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/value_types.h"

void deleteAllRows(HWND list);
// Appends an empty row at the end; returns its index, -1 on failure.
std::int32_t appendRow(HWND list);
void setCellText(HWND list, std::int32_t row, std::int32_t column, const Text& text);
// The same for a text that may hold characters GBK lacks.
void setCellWide(HWND list, std::int32_t row, std::int32_t column, const std::wstring& text);
void setCellUtf16(HWND list, std::int32_t row, std::int32_t column, std::u16string text);
// The cell's text; empty for a row of -1 or beyond the last row.
Text cellText(HWND list, std::int32_t row, std::int32_t column);
std::wstring cellWide(HWND list, std::int32_t row, std::int32_t column);
// The selected row, -1 when none is.
std::int32_t selectedRow(HWND list);
std::int32_t rowCount(HWND list);
// The row under a point given in screen coordinates; -1 below the last row.
std::int32_t rowAt(HWND list, POINT screen);
// Takes the selection and the focus mark off every row.
void clearSelection(HWND list);
// Selects `row` alone, gives it the focus mark and scrolls it into view.
void selectRow(HWND list, std::int32_t row);
// Where a menu for `row` opens when the keyboard asks for it: the row's
// lower left corner in screen coordinates, the list's upper left corner for -1.
POINT rowMenuPoint(HWND list, std::int32_t row);

// Holds back a list's drawing while many rows change, and draws it once
// afterwards; each change would otherwise redraw the list and its scroll bars,
// and each added row tell the list its new count.
class RowBatch {
  public:
    explicit RowBatch(HWND list);
    ~RowBatch();
    RowBatch(const RowBatch&) = delete;
    RowBatch& operator=(const RowBatch&) = delete;

  private:
    HWND list_;
};
