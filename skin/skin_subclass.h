#pragma once
// The skin's subclass procedure on every skinned window; its reference data
// is the window's SkinnedWindow.

#include <windows.h>

inline constexpr UINT_PTR kSkinSubclassId = 0x5348;

LRESULT CALLBACK skinSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR data);
