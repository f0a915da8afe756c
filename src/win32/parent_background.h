#pragma once
// What a see-through control shows behind itself: its parent's painting.

#include <windows.h>

// Paints into `dc`, whose origin is `control`'s client origin, what the
// control's parent shows there: the brush the parent gives its static
// children, then whatever the parent erases and prints itself. A standard
// group box paints only its frame and caption, so behind one its own parent
// shows through as well.
void paintParentBackground(HWND control, HDC dc);
