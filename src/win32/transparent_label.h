#pragma once
// A label of coloured text with no background of its own: it shows whatever
// its parent shows behind it, a group box's frame included. Its font is
// SimSun 12 px at 96 DPI (GB2312), like the roll-up menu's.

#include <windows.h>

#include "child_place.h"
#include "common/value_types.h"

// WM_COMMAND notification code sent to the parent, with the label's control id
// and window, when the left mouse button is pressed on the label. It lies
// outside the codes of the standard controls' notifications that a parent of
// labels usually also handles (STN_CLICKED and BN_CLICKED are 0).
inline constexpr WORD kLabelPressed = 0x8001;

HWND createTransparentLabel(const ChildPlace& place, const Text& text, COLORREF color);
