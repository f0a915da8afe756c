#pragma once
// The attached skin: its theme, the windows of the attaching thread that it
// draws, and the hook that finds the windows created later in that thread.
// Everything here runs on that one GUI thread.

#include <windows.h>

#include "skin_theme.h"
#include "skinned_window.h"

// Skins every window of the calling thread with `theme`, replacing a skin
// attached before, and skins the thread's later windows as they are created.
// False, changing nothing, on another thread than the one already skinned.
bool attachSkin(const SkinTheme& theme);

// Gives every skinned window back exactly what it had, unhooks, and redraws.
// False, changing nothing, on another thread than the skinned one.
bool detachSkin();

// detachSkin() for `window` and its descendants only; false when none of
// them is skinned.
bool detachSkinFrom(HWND window);

// The attached theme; null while no skin is attached.
const SkinTheme* attachedTheme();

// The record of a skinned window; null for any other window, and on any
// other thread than the skinned one.
SkinnedWindow* skinnedWindow(HWND window);

// Called by the hook for a window being created: subclasses it at once; its
// colours are set once its WM_CREATE has run (finishSkinning).
void skinNewWindow(HWND window, LONG_PTR style);

// Sets the skin's colours on a skinned window (list colours, the palette of
// the program's own controls) and redraws it.
void finishSkinning(SkinnedWindow& skinned);

// Sets the skin's colours again after SkinH_SetBackColor or SkinH_SetForeColor.
void recolour(const SkinnedWindow& skinned);

// Drops the record of a window being destroyed.
void forgetWindow(HWND window);

// The colour `colour` of the theme as `skinned` shows it: its own background
// or text colour where SkinH_SetBackColor or SkinH_SetForeColor gave one.
COLORREF backColour(const SkinnedWindow* skinned, SkinColour colour);
COLORREF foreColour(const SkinnedWindow* skinned, SkinColour colour);

// The alpha (0..255) given to popup menus created in the thread; 255 is opaque.
void setMenuAlpha(int alpha);
