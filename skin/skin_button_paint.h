#pragma once
// A push button drawn in the skin's colours: face, edge, caption, focus mark.

#include <windows.h>

struct ButtonColours {
    COLORREF face;
    COLORREF text;
    COLORREF light;
    COLORREF shadow;
};

void paintSkinnedButton(HWND button, HDC dc, const ButtonColours& colours);
