#pragma once
// The program's control font: SimSun, 12-pixel characters at 96 DPI, normal weight, the
// GB2312 character set, so Chinese shows whatever the system's locale.

#include <windows.h>

// The one font shared by the standard controls; it lives until the process
// ends.
HFONT controlFont();
