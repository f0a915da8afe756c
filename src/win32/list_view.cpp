#include "list_view.h"

#include <commctrl.h>

#include <functional>
#include <utility>

#include "common/codepage.h"
#include "list_rows.h"
#include "wide_text.h"

namespace {

// A change by other code while a filter lasts: every row comes back, and the
// filter ends before the change applies. Returns the row among all rows that
// the list showed at `row`, or -1.
std::int32_t endFilterForChange(ViewRows& rows, std::int32_t row) {
    if (!rows.filtered) {
        return row;
    }
    const std::int32_t taken = rows.rowAtShown(row);
    showOnly(rows, false, {});
    const std::function<void()> changed = std::move(rows.changedFromOutside);
    rows.changedFromOutside = nullptr;
    if (changed) {
        changed();
    }
    return taken;
}

// The list's count lags behind its rows while a batch is open; a row the
// list is asked about must be one it counts.
void countEveryRow(ViewRows* rows) {
    if (rows && rows->countShown != rows->rowsShown()) {
        const int batches = rows->batches;
        rows->batches = 0;
        showRowCount(*rows, false);
        rows->batches = batches;
    }
}

}  // namespace

void deleteAllRows(HWND list) {
    if (ViewRows* rows = listRows(list)) {
        endFilterForChange(*rows, -1);
        rows->cells.clear();
        rows->countShown = 0;
    }
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

std::int32_t appendRow(HWND list) {
    ViewRows* rows = listRows(list);
    if (!rows) {
        return -1;
    }
    endFilterForChange(*rows, -1);
    const std::int32_t row = rows->allRows();
    rows->cells.resize(rows->cells.size() + rows->columns);
    showRowCount(*rows, false);
    return row;
}

void setCellUtf16(HWND list, std::int32_t row, std::int32_t column, std::u16string text) {
    ViewRows* rows = listRows(list);
    if (!rows) {
        return;
    }
    const std::int32_t taken = endFilterForChange(*rows, row);
    if (CellText* cell = rows->cell(taken, column)) {
        *cell = std::move(text);
        if (rows->batches == 0) {
            SendMessageW(list, LVM_REDRAWITEMS, taken, taken);
        }
    }
}

void setCellWide(HWND list, std::int32_t row, std::int32_t column, const std::wstring& text) {
    setCellUtf16(list, row, column, std::u16string(text.begin(), text.end()));
}

void setCellText(HWND list, std::int32_t row, std::int32_t column, const Text& text) {
    setCellUtf16(list, row, column, codepage::toUtf16(text, codepage::kGbk));
}

std::wstring cellWide(HWND list, std::int32_t row, std::int32_t column) {
    const ViewRows* rows = listRows(list);
    const CellText* cell = rows ? rows->cell(rows->rowAtShown(row), column) : nullptr;
    return cell ? std::wstring(wideView(*cell)) : std::wstring();
}

Text cellText(HWND list, std::int32_t row, std::int32_t column) {
    return fromWide(cellWide(list, row, column));
}

std::int32_t selectedRow(HWND list) {
    return static_cast<std::int32_t>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::int32_t rowCount(HWND list) {
    const ViewRows* rows = listRows(list);
    return rows ? rows->rowsShown() : 0;
}

std::int32_t rowAt(HWND list, POINT screen) {
    countEveryRow(listRows(list));
    LVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(list, &hit.pt);
    const auto row = static_cast<std::int32_t>(
        SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) ? row : -1;
}

void clearSelection(HWND list) {
    // Row by row: the list's own "every row" walks all of them.
    for (const UINT mark : {LVNI_SELECTED, LVNI_FOCUSED}) {
        const auto row = static_cast<int>(
            SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(mark, 0)));
        if (row >= 0) {
            ListView_SetItemState(list, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
        }
    }
}

void selectRow(HWND list, std::int32_t row) {
    countEveryRow(listRows(list));
    clearSelection(list);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, row, FALSE);
}

POINT rowMenuPoint(HWND list, std::int32_t row) {
    countEveryRow(listRows(list));
    RECT rect = {};
    POINT point = {0, 0};
    rect.left = LVIR_LABEL;
    if (row >= 0 && SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                                 reinterpret_cast<LPARAM>(&rect))) {
        point = {rect.left, rect.bottom};
    }
    ClientToScreen(list, &point);
    return point;
}

RowBatch::RowBatch(HWND list) : list_(list) {
    if (ViewRows* rows = listRows(list_)) {
        ++rows->batches;
    }
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
}

RowBatch::~RowBatch() {
    // Every batch's end shows its rows, also one that ends inside another.
    if (ViewRows* rows = listRows(list_)) {
        --rows->batches;
        countEveryRow(rows);
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
