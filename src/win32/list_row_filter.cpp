#include "list_row_filter.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "list_view.h"
#include "wide_text.h"

namespace {

constexpr UINT_PTR kWatchId = 1;
// The property of a list that holds its filter while the filter lasts.
constexpr wchar_t kFilterProperty[] = L"NuvriRowFilter";

// The rows a filter took, and which of them the list shows.
struct RowFilter {
    std::function<void()> changedFromOutside;
    std::size_t columns = 1;
    std::vector<std::wstring> cells;  // row by row, `columns` to a row
    std::vector<std::int32_t> shown;  // the taken rows in the list, ascending

    std::int32_t rows() const { return static_cast<std::int32_t>(cells.size() / columns); }
};

LRESULT CALLBACK watchRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data);

RowFilter* filterOf(HWND list) {
    return static_cast<RowFilter*>(GetPropW(list, kFilterProperty));
}

// The list is watched only between the filter's own changes, so that those
// go through as fast as without a filter.
void watch(HWND list, RowFilter& filter) {
    SetWindowSubclass(list, watchRows, kWatchId, reinterpret_cast<DWORD_PTR>(&filter));
}

void stopWatching(HWND list) {
    RemoveWindowSubclass(list, watchRows, kWatchId);
}

void forget(HWND list, RowFilter* filter) {
    RemovePropW(list, kFilterProperty);
    delete filter;
}

std::size_t columnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const auto columns = header ? SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    return columns > 0 ? static_cast<std::size_t>(columns) : 1;
}

// The cell's text, read through `buffer`, which grows until the text fits.
std::wstring readCell(HWND list, std::int32_t row, std::size_t column, std::wstring& buffer) {
    while (true) {
        LVITEMW item = {};
        item.iSubItem = static_cast<int>(column);
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            return std::wstring(buffer.data(), copied);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Puts taken row `row` back into the list at index `at`. A new row's cells
// are empty, so only the others are written.
void insertTaken(HWND list, const RowFilter& filter, std::int32_t row, std::int32_t at) {
    const std::wstring* cells = &filter.cells[static_cast<std::size_t>(row) * filter.columns];
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = at;
    item.pszText = const_cast<wchar_t*>(cells[0].c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (std::size_t column = 1; column < filter.columns; ++column) {
        if (cells[column].empty()) {
            continue;
        }
        LVITEMW cell = {};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<wchar_t*>(cells[column].c_str());
        SendMessageW(list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&cell));
    }
}

// Empties the list and fills it with `rows` alone; the selected row stays
// selected when it is among them. For a change of most of the rows, one
// emptying is cheaper than deleting them one by one.
void rebuild(HWND list, const RowFilter& filter, const std::vector<std::int32_t>& rows) {
    const std::int32_t selected = selectedRow(list);
    const std::int32_t selectedTaken = selected >= 0 ? filter.shown[selected] : -1;
    deleteAllRows(list);
    SendMessageW(list, LVM_SETITEMCOUNT, rows.size(), 0);
    for (std::size_t at = 0; at < rows.size(); ++at) {
        insertTaken(list, filter, rows[at], static_cast<std::int32_t>(at));
    }
    const auto found = std::lower_bound(rows.begin(), rows.end(), selectedTaken);
    if (selectedTaken >= 0 && found != rows.end() && *found == selectedTaken) {
        selectRow(list, static_cast<std::int32_t>(found - rows.begin()));
    }
}

// Deletes the shown rows that go, from the last, then inserts the rows that
// come, from the first; the rows that stay keep their state.
void update(HWND list, const RowFilter& filter, const std::vector<char>& wanted,
            const std::vector<std::int32_t>& rows) {
    std::vector<char> shown(wanted.size(), 0);
    for (std::size_t at = filter.shown.size(); at-- > 0;) {
        const std::int32_t row = filter.shown[at];
        shown[static_cast<std::size_t>(row)] = 1;
        if (!wanted[static_cast<std::size_t>(row)]) {
            SendMessageW(list, LVM_DELETEITEM, at, 0);
        }
    }
    std::int32_t at = 0;
    for (const std::int32_t row : rows) {
        if (!shown[static_cast<std::size_t>(row)]) {
            insertTaken(list, filter, row, at);
        }
        ++at;
    }
}

// Shows `rows` of the list that is not watched meanwhile.
void show(HWND list, RowFilter& filter, const std::vector<std::int32_t>& rows) {
    std::vector<char> wanted(static_cast<std::size_t>(filter.rows()), 0);
    for (const std::int32_t row : rows) {
        wanted[static_cast<std::size_t>(row)] = 1;
    }
    const auto staying = static_cast<std::size_t>(std::count_if(
        filter.shown.begin(), filter.shown.end(),
        [&](std::int32_t row) { return wanted[static_cast<std::size_t>(row)] != 0; }));
    const std::size_t going = filter.shown.size() - staying;
    const std::size_t coming = rows.size() - staying;
    if (going == 0 && coming == 0) {
        return;
    }
    RowBatch batch(list);
    if (going + coming > rows.size() + filter.shown.size() / 4) {
        rebuild(list, filter, rows);
    } else {
        update(list, filter, wanted, rows);
    }
    filter.shown = rows;
}

void showAll(HWND list, RowFilter& filter) {
    std::vector<std::int32_t> every(static_cast<std::size_t>(filter.rows()));
    for (std::size_t row = 0; row < every.size(); ++row) {
        every[row] = static_cast<std::int32_t>(row);
    }
    show(list, filter, every);
}

bool changesRows(UINT message) {
    switch (message) {
        case LVM_INSERTITEMW:
        case LVM_SETITEMW:
        case LVM_SETITEMTEXTW:
        case LVM_DELETEITEM:
        case LVM_DELETEALLITEMS:
            return true;
        default:
            return false;
    }
}

// A change by other code: every row comes back, then the change applies to
// the row the caller named by its index among the rows shown, which is now at
// its taken index; an index past the rows shown lies as far past all rows.
LRESULT onOutsideChange(HWND list, RowFilter& filter, UINT message, WPARAM wParam, LPARAM lParam) {
    auto taken = [&filter](std::int64_t index) -> std::int64_t {
        const auto shown = static_cast<std::int64_t>(filter.shown.size());
        if (index < 0) {
            return index;
        }
        if (index < shown) {
            return filter.shown[static_cast<std::size_t>(index)];
        }
        return std::min<std::int64_t>(index - shown + filter.rows(),
                                      std::numeric_limits<int>::max());
    };
    LVITEMW item = {};
    if (message == LVM_INSERTITEMW || message == LVM_SETITEMW) {
        item = *reinterpret_cast<const LVITEMW*>(lParam);
        item.iItem = static_cast<int>(taken(item.iItem));
        lParam = reinterpret_cast<LPARAM>(&item);
    } else if (message == LVM_SETITEMTEXTW || message == LVM_DELETEITEM) {
        wParam = static_cast<WPARAM>(taken(static_cast<int>(wParam)));
    }
    stopWatching(list);
    // Rows about to be deleted all together need not come back first.
    if (message != LVM_DELETEALLITEMS) {
        showAll(list, filter);
    }
    const std::function<void()> changed = std::move(filter.changedFromOutside);
    forget(list, &filter);
    const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
    if (changed) {
        changed();
    }
    return result;
}

LRESULT CALLBACK watchRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
    auto* filter = reinterpret_cast<RowFilter*>(data);
    if (message == WM_DESTROY) {
        stopWatching(list);
        forget(list, filter);
    } else if (changesRows(message)) {
        return onOutsideChange(list, *filter, message, wParam, lParam);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

void beginRowFilter(HWND list, std::function<void()> changedFromOutside) {
    endRowFilter(list);
    auto filter = std::make_unique<RowFilter>();
    filter->changedFromOutside = std::move(changedFromOutside);
    filter->columns = columnCount(list);
    const std::int32_t rows = rowCount(list);
    filter->cells.reserve(static_cast<std::size_t>(rows) * filter->columns);
    std::wstring buffer(256, L'\0');
    for (std::int32_t row = 0; row < rows; ++row) {
        for (std::size_t column = 0; column < filter->columns; ++column) {
            filter->cells.push_back(readCell(list, row, column, buffer));
        }
        filter->shown.push_back(row);
    }
    if (SetPropW(list, kFilterProperty, filter.get())) {
        watch(list, *filter.release());
    }
}

bool rowFilterActive(HWND list) {
    return filterOf(list) != nullptr;
}

std::vector<Text> filteredColumn(HWND list, int column) {
    std::vector<Text> texts;
    const RowFilter* filter = filterOf(list);
    if (!filter || column < 0 || static_cast<std::size_t>(column) >= filter->columns) {
        return texts;
    }
    for (std::int32_t row = 0; row < filter->rows(); ++row) {
        texts.push_back(fromWide(filter->cells[static_cast<std::size_t>(row) * filter->columns +
                                               static_cast<std::size_t>(column)]));
    }
    return texts;
}

void showRows(HWND list, const std::vector<std::int32_t>& rows) {
    if (RowFilter* filter = filterOf(list)) {
        stopWatching(list);
        show(list, *filter, rows);
        watch(list, *filter);
    }
}

void endRowFilter(HWND list) {
    RowFilter* filter = filterOf(list);
    if (!filter) {
        return;
    }
    stopWatching(list);
    showAll(list, *filter);
    const std::int32_t selected = selectedRow(list);
    if (selected >= 0) {
        SendMessageW(list, LVM_ENSUREVISIBLE, selected, FALSE);
    }
    forget(list, filter);
}
