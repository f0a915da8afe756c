#pragma once
// The bounds of the size to which the user can drag the main window: a hook
// in front of the window's procedure answers every size query with them.

#include <cstdint>

#include "window_toolkit.h"

// Keeps the limits in the program's state and puts sizeLimitProc in front of
// the window's procedure.
void installSizeLimits(std::intptr_t window, std::int32_t minWidth, std::int32_t minHeight,
                       std::int32_t maxWidth, std::int32_t maxHeight);

// The hook: sets the minimum and maximum tracking sizes of WM_GETMINMAXINFO,
// repaints the window at once, and passes every message on.
std::intptr_t NUVRI_WINDOW_PROC sizeLimitProc(std::intptr_t window, std::uint32_t message,
                                              std::uintptr_t wParam, std::intptr_t lParam);
