#pragma once
// Screenshots for looking at what a test showed: a window's pixels as they
// are on the screen, saved as PNG under the build tree.

#include <windows.h>

#include <string>

// Saves the on-screen pixels of `window` (frame included) to
// "screenshots\<name>.png" beside the test program; true when written.
bool saveScreenshot(HWND window, const std::wstring& name);

// Saves the window as it draws itself when asked to print (WM_PRINT), for
// windows that the screen's pixels do not show, such as popup menus.
bool savePrintedWindow(HWND window, const std::wstring& name);
