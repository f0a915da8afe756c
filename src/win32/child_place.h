#pragma once
// Where a child control goes, the same for the system's controls and ours:
// its parent, its control id, its rectangle in the parent's client area, and
// whether Tab stops at it and it takes input.

#include <windows.h>

#include <string>

struct ChildPlace {
    HWND parent;
    int controlId;
    int left;
    int top;
    int width;
    int height;
    bool tabStop;
    bool enabled;
};

// Creates a visible child window of `className` at `place`; `style` and
// `extendedStyle` add to what the place implies. `createParam` reaches the
// window's WM_NCCREATE.
HWND createChildWindow(const ChildPlace& place, const wchar_t* className, DWORD style,
                       const std::wstring& text, DWORD extendedStyle = 0,
                       void* createParam = nullptr);
