#include "skin_button_paint.h"

#include "skin_drawing.h"

void paintSkinnedButton(HWND button, HDC dc, const ButtonColours& colours) {
    RECT rect;
    GetClientRect(button, &rect);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool pushed = (state & BST_PUSHED) != 0;
    const bool enabled = IsWindowEnabled(button) != FALSE;
    fillSolid(dc, rect, colours.face);
    drawRaisedEdge(dc, rect, colours.light, colours.shadow, pushed);

    wchar_t text[256] = {};
    const int length = GetWindowTextW(button, text, 256);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? colours.text : colours.shadow);
    RECT textRect = rect;
    if (pushed) {
        OffsetRect(&textRect, 1, 1);
    }
    DrawTextW(dc, text, length, &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);
    if (GetFocus() == button) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        SetTextColor(dc, colours.text);
        DrawFocusRect(dc, &focus);
    }
}
