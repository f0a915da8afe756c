#pragma once
// The start-up check that ties the names in common/program_controls.h to the
// window the template built.

// Raises the fatal error "找不到窗口组件“name”!" for the first window or
// popup menu of program_controls.h that does not exist, so that a name the
// template lost stops the program at once instead of leaving its handlers
// acting on nothing.
void requireNamedControls();
