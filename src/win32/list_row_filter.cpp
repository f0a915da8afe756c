#include "list_row_filter.h"

#include <numeric>
#include <utility>

#include "list_rows.h"
#include "wide_text.h"

void beginRowFilter(HWND list, std::function<void()> changedFromOutside) {
    endRowFilter(list);
    if (ViewRows* rows = listRows(list)) {
        std::vector<std::int32_t> every(static_cast<std::size_t>(rows->allRows()));
        std::iota(every.begin(), every.end(), 0);
        rows->filtered = true;
        rows->shown = std::move(every);
        rows->changedFromOutside = std::move(changedFromOutside);
    }
}

bool rowFilterActive(HWND list) {
    const ViewRows* rows = listRows(list);
    return rows && rows->filtered;
}

std::vector<Text> filteredColumn(HWND list, int column) {
    std::vector<Text> texts;
    const ViewRows* rows = listRows(list);
    if (!rows || !rows->filtered) {
        return texts;
    }
    for (std::int32_t row = 0; row < rows->allRows(); ++row) {
        if (const CellText* cell = rows->cell(row, column)) {
            texts.push_back(fromWide(wideView(*cell)));
        }
    }
    return texts;
}

void showRows(HWND list, const std::vector<std::int32_t>& rows) {
    ViewRows* filter = listRows(list);
    if (filter && filter->filtered && rows != filter->shown) {
        showOnly(*filter, true, rows);
    }
}

void endRowFilter(HWND list) {
    ViewRows* rows = listRows(list);
    if (!rows || !rows->filtered) {
        return;
    }
    rows->changedFromOutside = nullptr;
    showOnly(*rows, false, {});
}
