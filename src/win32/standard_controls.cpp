#include "standard_controls.h"

#include <commctrl.h>

#include "control_font.h"
#include "dpi_scale.h"
#include "list_rows.h"
#include "wide_text.h"

namespace {

// A combo box is created as tall as its open list (this many pixels at 96 DPI,
// scaled with the system DPI); the closed field's height follows from the font.
constexpr int kDropDownHeight = 240;

HWND createChild(const wchar_t* className, const ChildPlace& place, DWORD style,
                 const Text& text = {}) {
    HWND control = createChildWindow(place, className, style, toWide(text));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont()), FALSE);
    return control;
}

// The dialog manager of the message loop turns Enter into the window's
// default command; a list takes Enter itself, so that it tells its parent
// with NM_RETURN that the user asked to open the selected row.
LRESULT CALLBACK listTakesEnter(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    if (message == WM_GETDLGCODE && lParam) {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
            return DefSubclassProc(list, message, wParam, lParam) | DLGC_WANTMESSAGE;
        }
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

constexpr UINT_PTR kListEnterSubclassId = 1;

}  // namespace

// The closed field is as tall as its selection line plus borders. The
// selection line is sized so the field is `height` pixels; its read-back value
// differs between versions of the control, so the result is measured and
// corrected once.
void fitClosedHeight(HWND combo, int height) {
    auto closedHeight = [combo] {
        RECT field;
        GetWindowRect(combo, &field);
        return static_cast<int>(field.bottom - field.top);
    };
    int line = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int step = 0; step < 2 && closedHeight() != height; ++step) {
        line += height - closedHeight();
        if (line < 1) {
            return;
        }
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), line);
    }
}

HWND createListView(const ChildPlace& place, const std::vector<ListColumn>& columns) {
    HWND list = createChild(WC_LISTVIEWW, place,
                            LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_OWNERDATA, {});
    SetWindowLongPtrW(list, GWL_EXSTYLE, GetWindowLongPtrW(list, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(list, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    SetWindowSubclass(list, listTakesEnter, kListEnterSubclassId, 0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring caption = toWide(columns[i].caption);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = caption.data();
        column.cx = columns[i].width;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    attachListRows(list, columns.size());
    return list;
}

HWND createComboBox(const ChildPlace& place, const std::vector<Text>& items, const Text& text) {
    const DWORD kind = text.empty() ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    ChildPlace open = place;
    open.height += scaled(kDropDownHeight);
    HWND combo = createChild(WC_COMBOBOXW, open, kind | WS_VSCROLL, text);
    for (const Text& item : items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
    }
    if (!text.empty()) {
        SetWindowTextW(combo, toWide(text).c_str());
    }
    fitClosedHeight(combo, place.height);
    return combo;
}

HWND createPushButton(const ChildPlace& place, const Text& caption) {
    return createChild(WC_BUTTONW, place, BS_PUSHBUTTON, caption);
}

HWND createSpinControl(const ChildPlace& place) {
    HWND spin = createChild(UPDOWN_CLASSW, place, UDS_ARROWKEYS);
    // Some versions of the control narrow themselves to a default width when
    // created; the template's size holds.
    SetWindowPos(spin, nullptr, 0, 0, place.width, place.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return spin;
}

HWND createLabel(const ChildPlace& place, const Text& text) {
    return createChild(WC_STATICW, place, SS_LEFT | SS_NOPREFIX, text);
}

std::int32_t selectedItem(HWND combo) {
    return static_cast<std::int32_t>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}
