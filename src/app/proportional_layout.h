#pragma once
// Proportional re-layout of a top-level window's children: every descendant
// keeps its position and size as fractions of its parent's client area
// whenever the window is resized; combo boxes keep their height in pixels.
// The fractions are taken once, at registration, from the sizes the window
// was built with. Any number of windows may be registered, each with its own
// entries in the program's state.

#include <cstdint>
#include <vector>

#include "window_toolkit.h"

// Records every descendant of `window` breadth first (list views' column
// headers left to their list view), takes the fractions of those not yet
// owned by a window, and puts proportionalLayoutProc in front of the
// window's procedure. `comboBoxes` are the window's combo boxes. A child
// whose parent has no client area yet is left unowned and keeps its place.
void registerProportionalLayout(std::intptr_t window, const std::vector<std::intptr_t>& comboBoxes);

// The hook: on WM_SIZE forgets destroyed children and re-lays out the
// window's own, before passing the message on to the procedure it replaced.
std::intptr_t NUVRI_WINDOW_PROC proportionalLayoutProc(std::intptr_t window, std::uint32_t message,
                                                       std::uintptr_t wParam, std::intptr_t lParam);
