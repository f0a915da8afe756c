#pragma once
// The main window's keyboard shortcuts, which work wherever the focus is in
// the window. Each reaches its handler through the event table as
// ControlEvent::ShortcutPressed of the shortcut's name.

#include "win32/shortcut_keys.h"

inline constexpr char kFindShortcut[] = "Ctrl+F";         // find in the main list
inline constexpr char kOpenFileShortcut[] = "Ctrl+O";     // open a playlist file
inline constexpr char kOpenAddressShortcut[] = "Ctrl+L";  // open a playlist's address

struct ProgramShortcut {
    const char* name;
    ShortcutKey key;
};

inline constexpr ProgramShortcut kProgramShortcuts[] = {
    {kFindShortcut, {'F', true}},
    {kOpenFileShortcut, {'O', true}},
    {kOpenAddressShortcut, {'L', true}},
};
