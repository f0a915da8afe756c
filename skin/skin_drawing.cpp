#include "skin_drawing.h"

void fillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void drawRaisedEdge(HDC dc, const RECT& rect, COLORREF light, COLORREF shadow, bool sunken) {
    const COLORREF topLeft = sunken ? shadow : light;
    const COLORREF bottomRight = sunken ? light : shadow;
    fillSolid(dc, {rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    fillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    fillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    fillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}
