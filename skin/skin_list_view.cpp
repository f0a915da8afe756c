#include "skin_list_view.h"

#include <commctrl.h>

ListViewColours listViewColours(HWND list) {
    return {static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTBKCOLOR, 0, 0))};
}

void setListViewColours(HWND list, const ListViewColours& colours) {
    SendMessageW(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colours.back));
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colours.text));
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(colours.textBack));
    InvalidateRect(list, nullptr, TRUE);
}
