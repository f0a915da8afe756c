#pragma once
// A list view's column header drawn in the skin's colours through the
// header's NM_CUSTOMDRAW, which reaches the list view (the header's parent).

#include <windows.h>

#include <commctrl.h>

struct HeaderColours {
    COLORREF face;
    COLORREF text;
    COLORREF light;
    COLORREF shadow;
};

// The answer to the header's NM_CUSTOMDRAW notification `draw`.
LRESULT paintSkinnedHeader(const NMCUSTOMDRAW& draw, const HeaderColours& colours);
