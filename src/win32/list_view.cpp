#include "list_view.h"

#include <commctrl.h>

#include <limits>
#include <string>

#include "wide_text.h"

void deleteAllRows(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

std::int32_t appendRow(HWND list) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    // Any index past the last row appends, and no count is read first: read
    // while a find hides rows, it would name a place among the rows.
    item.iItem = std::numeric_limits<int>::max();
    item.pszText = const_cast<wchar_t*>(L"");
    return static_cast<std::int32_t>(
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void setCellText(HWND list, std::int32_t row, std::int32_t column, const Text& text) {
    std::wstring wide = toWide(text);
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

Text cellText(HWND list, std::int32_t row, std::int32_t column) {
    if (row < 0 || row >= rowCount(list)) {
        return {};
    }
    // The list answers with the length it copied; grow until the text fits.
    std::wstring buffer(256, L'\0');
    while (true) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return fromWide(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::int32_t selectedRow(HWND list) {
    return static_cast<std::int32_t>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::int32_t rowCount(HWND list) {
    return static_cast<std::int32_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::int32_t rowAt(HWND list, POINT screen) {
    LVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(list, &hit.pt);
    const auto row = static_cast<std::int32_t>(
        SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) ? row : -1;
}

void selectRow(HWND list, std::int32_t row) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, row, FALSE);
}

POINT rowMenuPoint(HWND list, std::int32_t row) {
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
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
}

RowBatch::~RowBatch() {
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
