#pragma once
// The program's windows and controls by their template names, so that every
// handler reaches a control by the name the window template gives it
// (common/program_controls.h spells the names).

#include <windows.h>

#include <string_view>

#include "common/value_types.h"

void nameControl(const Text& name, HWND window);
// The window of that name; null when there is none (or it is gone).
HWND namedControl(std::string_view name);
void forgetNamedControls();
