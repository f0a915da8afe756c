#pragma once
// Screenshots for looking at what a test showed: a window's pixels as they
// are on the screen, saved as PNG under the build tree.

#include <windows.h>

#include <string>

// Saves the on-screen pixels of `window` (frame included) to
// "screenshots\<name>.png" beside the test program; true when written.
bool saveScreenshot(HWND window, const std::wstring& name);
