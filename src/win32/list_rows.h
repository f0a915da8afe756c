#pragma once
// The rows of the program's list views. A list view made by createListView
// holds no text itself: it asks for each cell it draws, and these rows answer
// it. A filter may show some of the rows, by their index among all rows.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A cell's text in UTF-16, as the list view shows it and as the program's
// readers of playlists make it, so that it moves in without a copy.
using CellText = std::u16string;
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring_view wideView(const CellText& text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

struct ViewRows {
    HWND list = nullptr;
    std::size_t columns = 1;
    std::vector<CellText> cells;  // row by row, `columns` to a row
    // While a filter lasts: the rows shown, ascending, and what runs once a
    // change by other code has ended the filter.
    bool filtered = false;
    std::vector<std::int32_t> shown;
    std::function<void()> changedFromOutside;
    // Open row batches; the list learns its row count when the last one
    // closes, not at every row.
    int batches = 0;
    std::int32_t countShown = 0;  // the row count the list was last told

    std::int32_t allRows() const { return static_cast<std::int32_t>(cells.size() / columns); }
    std::int32_t rowsShown() const {
        return filtered ? static_cast<std::int32_t>(shown.size()) : allRows();
    }
    // The row among all rows that the list shows at `row`; -1 for none.
    std::int32_t rowAtShown(std::int32_t row) const;
    // The place among the rows shown of row `row` of all rows; -1 when hidden.
    std::int32_t shownAt(std::int32_t row) const;
    // Cell `column` of row `row` of all rows; null for a cell the rows lack.
    const CellText* cell(std::int32_t row, std::int32_t column) const;
    CellText* cell(std::int32_t row, std::int32_t column);
};

// Gives `list`, a report-style list view with the owner-data style, rows of
// `columns` columns; its parent's notifications for the list are answered
// from them. They go with the list.
void attachListRows(HWND list, std::size_t columns);

// The rows of `list`; null for a list that has none.
ViewRows* listRows(HWND list);

// Tells the list how many rows it shows, unless a batch is open. With
// `redrawAll` every row is drawn again; otherwise only rows added at the end.
void showRowCount(ViewRows& rows, bool redrawAll);

// Shows `shown` (ascending rows among all rows), or every row when not
// `filtered`, keeping the selected row selected when it stays. The list only
// learns its new count: no row is inserted or deleted.
void showOnly(ViewRows& rows, bool filtered, std::vector<std::int32_t> shown);
