#include "list_rows.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>

#include "list_view.h"

namespace {

// Every list's rows; a window has few lists, so a search is quicker than a
// window property, which Wine asks its server for.
std::vector<std::unique_ptr<ViewRows>>& everyListRows() {
    static std::vector<std::unique_ptr<ViewRows>> lists;
    return lists;
}

void forgetRows(HWND list) {
    auto& lists = everyListRows();
    lists.erase(std::remove_if(lists.begin(), lists.end(),
                               [list](const auto& rows) { return rows->list == list; }),
                lists.end());
}

// Copies `text` into the buffer a notification gives, cut to its size.
void copyText(std::wstring_view text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) {
        return;
    }
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::copy_n(text.data(), copied, buffer);
    buffer[copied] = L'\0';
}

void answerCell(const ViewRows& rows, LVITEMW& item) {
    if (item.mask & LVIF_TEXT) {
        const CellText* text = rows.cell(rows.rowAtShown(item.iItem), item.iSubItem);
        copyText(text ? wideView(*text) : std::wstring_view(), item.pszText, item.cchTextMax);
    }
}

bool startsWithIgnoringCase(std::wstring_view text, std::wstring_view start) {
    return text.size() >= start.size() &&
           CompareStringOrdinal(text.data(), static_cast<int>(start.size()), start.data(),
                                static_cast<int>(start.size()), TRUE) == CSTR_EQUAL;
}

// The list's search as the user types letters into it: the first row from
// the start it names whose title is or begins with the text, around the end
// when it asks so; -1 when none is.
LRESULT findRow(const ViewRows& rows, const NMLVFINDITEMW& find) {
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) {
        return -1;
    }
    const std::wstring_view wanted(find.lvfi.psz);
    const bool partial = (find.lvfi.flags & LVFI_PARTIAL) != 0;
    const std::int32_t count = rows.rowsShown();
    const std::int32_t start = std::clamp(find.iStart, 0, count);
    const std::int32_t steps = (find.lvfi.flags & LVFI_WRAP) ? count : count - start;
    for (std::int32_t step = 0; step < steps; ++step) {
        const std::int32_t row = (start + step) % count;
        const CellText* title = rows.cell(rows.rowAtShown(row), 0);
        if (title && (partial ? startsWithIgnoringCase(wideView(*title), wanted)
                              : (title->size() == wanted.size() &&
                                 startsWithIgnoringCase(wideView(*title), wanted)))) {
            return row;
        }
    }
    return -1;
}

// The parent hears of the list's needs; the list is this subclass's id.
LRESULT CALLBACK answerList(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                            DWORD_PTR) {
    const auto list = reinterpret_cast<HWND>(id);
    if (message == WM_NOTIFYFORMAT && reinterpret_cast<HWND>(wParam) == list) {
        return NFR_UNICODE;
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const ViewRows* rows = header->hwndFrom == list ? listRows(list) : nullptr;
        if (rows && header->code == LVN_GETDISPINFOW) {
            answerCell(*rows, reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
            return 0;
        }
        if (rows && header->code == LVN_ODFINDITEMW) {
            return findRow(*rows, *reinterpret_cast<const NMLVFINDITEMW*>(lParam));
        }
    }
    return DefSubclassProc(parent, message, wParam, lParam);
}

LRESULT CALLBACK releaseRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, releaseRows, id);
        RemoveWindowSubclass(reinterpret_cast<HWND>(data), answerList,
                             reinterpret_cast<UINT_PTR>(list));
        forgetRows(list);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

constexpr UINT_PTR kReleaseRowsId = 0x526F7773;  // "Rows"

}  // namespace

std::int32_t ViewRows::rowAtShown(std::int32_t row) const {
    if (row < 0 || row >= rowsShown()) {
        return -1;
    }
    return filtered ? shown[static_cast<std::size_t>(row)] : row;
}

std::int32_t ViewRows::shownAt(std::int32_t row) const {
    if (!filtered) {
        return row < allRows() ? row : -1;
    }
    const auto found = std::lower_bound(shown.begin(), shown.end(), row);
    return found != shown.end() && *found == row ? static_cast<std::int32_t>(found - shown.begin())
                                                 : -1;
}

const CellText* ViewRows::cell(std::int32_t row, std::int32_t column) const {
    if (row < 0 || row >= allRows() || column < 0 || static_cast<std::size_t>(column) >= columns) {
        return nullptr;
    }
    return &cells[static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(column)];
}

CellText* ViewRows::cell(std::int32_t row, std::int32_t column) {
    return const_cast<CellText*>(std::as_const(*this).cell(row, column));
}

void attachListRows(HWND list, std::size_t columns) {
    auto rows = std::make_unique<ViewRows>();
    rows->list = list;
    rows->columns = std::max<std::size_t>(columns, 1);
    forgetRows(list);
    everyListRows().push_back(std::move(rows));
    HWND parent = GetParent(list);
    SetWindowSubclass(parent, answerList, reinterpret_cast<UINT_PTR>(list), 0);
    SetWindowSubclass(list, releaseRows, kReleaseRowsId, reinterpret_cast<DWORD_PTR>(parent));
}

ViewRows* listRows(HWND list) {
    for (const auto& rows : everyListRows()) {
        if (rows->list == list) {
            return rows.get();
        }
    }
    return nullptr;
}

void showRowCount(ViewRows& rows, bool redrawAll) {
    if (rows.batches > 0) {
        return;
    }
    rows.countShown = rows.rowsShown();
    SendMessageW(rows.list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows.countShown),
                 redrawAll ? LVSICF_NOSCROLL : LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

void showOnly(ViewRows& rows, bool filtered, std::vector<std::int32_t> shown) {
    const std::int32_t selected = rows.rowAtShown(selectedRow(rows.list));
    clearSelection(rows.list);
    rows.filtered = filtered;
    rows.shown = std::move(shown);
    showRowCount(rows, true);
    const std::int32_t stays = selected >= 0 ? rows.shownAt(selected) : -1;
    if (stays >= 0) {
        selectRow(rows.list, stays);
    } else if (rows.rowsShown() > 0) {
        ListView_EnsureVisible(rows.list, 0, FALSE);
    }
}
