#pragma once
// The program's lengths are laid out for 96 DPI. It declares itself system
// DPI aware, so the system no longer stretches its windows: at a higher
// system DPI (120 at 125 %, 144 at 150 %) it scales every length itself -
// the window, the controls' rectangles, fonts, list columns and the roll-up
// menu's rows - and at 96 DPI every length stays as it is.

#include <windows.h>

inline constexpr int kDesignDpi = 96;

// The system DPI, read once; kDesignDpi when it cannot be read.
int systemDpi();

// `length`, in pixels at 96 DPI, at the system DPI, rounded to the nearest
// pixel (halves away from zero).
int scaled(int length);

// A rectangle given as left, top, width, height at 96 DPI, scaled at the
// system DPI by its edges, so controls that touch at 96 DPI still touch.
RECT scaledRect(int left, int top, int width, int height);
