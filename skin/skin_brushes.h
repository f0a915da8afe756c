#pragma once
// Solid brushes for the WM_CTLCOLOR* answers: a control keeps using the brush
// it was given until it asks again, so they live until the skin is detached.

#include <windows.h>

HBRUSH skinBrush(COLORREF colour);
void releaseSkinBrushes();
