#pragma once
// The font of the program's own controls: SimSun with the GB2312 character set
// shows Chinese on every system, whatever its locale and interface font.

#include <windows.h>

#include "win32/gdi_object.h"

// At 96 DPI; scaled with the system DPI (18 pixels at 144 DPI).
inline constexpr int kSimSunPixelHeight = 12;

// SimSun, character height kSimSunPixelHeight pixels at the system DPI, normal
// weight, GB2312.
GdiObject<HFONT> createSimSunFont();
