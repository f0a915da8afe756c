#pragma once
// Which windows the skin library draws, and how.

#include <windows.h>

#include <optional>

#include "skinned_window.h"

// How the skin draws `window`, whose style is `style`; nothing for the
// system's popups (menus, tooltips, drop-down lists, input method windows),
// which keep their own look.
std::optional<SkinnedKind> skinnedKindOf(HWND window, LONG_PTR style);

// True for a popup menu window.
bool isPopupMenu(HWND window);
