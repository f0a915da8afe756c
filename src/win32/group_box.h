#pragma once
// A group box that really contains its controls: they are its child windows,
// clipped to it, and their notifications go on to the group box's parent as
// if they were its own children. Dialog navigation (Tab) enters it.

#include <windows.h>

#include "child_place.h"
#include "common/value_types.h"

HWND createGroupBox(const ChildPlace& place, const Text& caption);
