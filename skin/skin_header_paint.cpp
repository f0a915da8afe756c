#include "skin_header_paint.h"

#include "skin_drawing.h"

namespace {

void paintItem(const NMCUSTOMDRAW& draw, const HeaderColours& colours) {
    const bool pressed = (draw.uItemState & CDIS_SELECTED) != 0;
    fillSolid(draw.hdc, draw.rc, colours.face);
    drawRaisedEdge(draw.hdc, draw.rc, colours.light, colours.shadow, pressed);

    wchar_t text[260] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
    UINT align = DT_LEFT;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) {
        align = DT_CENTER;
    } else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) {
        align = DT_RIGHT;
    }
    RECT textRect = draw.rc;
    InflateRect(&textRect, -6, 0);
    if (pressed) {
        OffsetRect(&textRect, 1, 1);
    }
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, colours.text);
    DrawTextW(draw.hdc, text, -1, &textRect,
              align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// The strip right of the last column, which the header fills itself before this.
void paintRest(const NMCUSTOMDRAW& draw, const HeaderColours& colours) {
    RECT client;
    GetClientRect(draw.hdr.hwndFrom, &client);
    const int count = static_cast<int>(SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMCOUNT, 0, 0));
    RECT last = {};
    if (count > 0) {
        SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMRECT, count - 1,
                     reinterpret_cast<LPARAM>(&last));
    }
    if (last.right < client.right) {
        client.left = last.right;
        fillSolid(draw.hdc, client, colours.face);
    }
}

}  // namespace

LRESULT paintSkinnedHeader(const NMCUSTOMDRAW& draw, const HeaderColours& colours) {
    switch (draw.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPREPAINT:
            paintItem(draw, colours);
            return CDRF_SKIPDEFAULT;
        case CDDS_POSTPAINT:
            paintRest(draw, colours);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}
