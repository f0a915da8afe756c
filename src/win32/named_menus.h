#pragma once
// The program's popup menus by their template names, so that a handler shows
// kDownloadMenu by the name the window template gives it.

#include <windows.h>

#include <string_view>

#include "common/value_types.h"

void nameMenu(const Text& name, HMENU menu);
// The menu of that name; null when there is none (or it is destroyed).
HMENU namedMenu(std::string_view name);
void forgetNamedMenus();
