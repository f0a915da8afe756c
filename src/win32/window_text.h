#pragma once
// Titles and texts of windows, with the program's texts.

#include <windows.h>

#include <string>

#include "common/value_types.h"

void setWindowTitle(HWND window, const Text& title);
void setWindowTitleWide(HWND window, const std::wstring& title);
Text windowTitle(HWND window);
// The window's text as the system holds it, for drawing it.
std::wstring wideWindowText(HWND window);
