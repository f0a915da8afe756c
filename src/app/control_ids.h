#pragma once
// The command numbers of the main window: its controls are numbered from
// kFirstControlId in template order, its keyboard shortcuts from
// kFirstShortcutId in the order of program_shortcuts.h, the items of popup
// menu m from kFirstMenuItemId + 100 * m. Tools that look at the running
// program from outside tell controls from menu items by them.

inline constexpr int kFirstControlId = 1000;
inline constexpr int kFirstShortcutId = 2000;
inline constexpr int kFirstMenuItemId = 3000;
