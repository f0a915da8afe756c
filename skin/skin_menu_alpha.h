#pragma once
// See-through popup menus (SkinH_SetMenuAlpha).

#include <windows.h>

// Makes the popup menu window being created, `menu`, `alpha` (0..254) opaque
// once it exists: a style set before its WM_CREATE would be overwritten.
void fadePopupMenu(HWND menu, BYTE alpha);
