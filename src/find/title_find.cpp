#include "title_find.h"

#include <optional>

#include "common/program_controls.h"
#include "find/title_filter.h"
#include "win32/find_field.h"
#include "win32/list_row_filter.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"

namespace {

constexpr char kFindCaption[] = "查找：";

// The titles of the rows the list's filter took; absent without a filter.
std::optional<TitleFilter> titles;

HWND list() {
    return namedControl(kCatalogueList);
}

void onTextChanged(const Text& text) {
    HWND rows = list();
    if (titles && rowFilterActive(rows)) {
        showRows(rows, titles->keep(text));
    }
}

void onEscape() {
    HWND rows = list();
    endRowFilter(rows);
    titles.reset();
    closeFindField(rows);
}

void onEnter() {
    HWND rows = list();
    if (selectedRow(rows) < 0 && rowCount(rows) > 0) {
        selectRow(rows, 0);
    }
}

void onListChangedFromOutside() {
    titles.reset();
    closeFindField(list());
}

}  // namespace

void openTitleFind() {
    HWND rows = list();
    if (!rows) {
        return;
    }
    if (!rowFilterActive(rows)) {
        beginRowFilter(rows, onListChangedFromOutside);
        titles.emplace(filteredColumn(rows, 0));
    }
    openFindField(rows, kFindCaption, {onTextChanged, onEscape, onEnter});
}

void placeTitleFind() {
    if (HWND rows = list()) {
        placeFindField(rows);
    }
}
