#pragma once
// The few shapes the skin library draws itself, in the skin's colours.

#include <windows.h>

void fillSolid(HDC dc, const RECT& rect, COLORREF colour);

// A one-pixel edge round `rect`: light at the top and left, dark at the bottom
// and right; the other way round when `sunken`.
void drawRaisedEdge(HDC dc, const RECT& rect, COLORREF light, COLORREF shadow, bool sunken);
