#pragma once
// The events of the main window's controls and the table that binds them to
// handlers. An event without a binding does nothing.

#include <cstdint>
#include <functional>
#include <vector>

#include "common/value_types.h"

enum class ControlEvent {
    EntryClicked,       // roll-up menu: (group index, entry index)
    ItemSelected,       // combo box: an item was chosen
    DoubleClick,        // list view
    RightClick,         // list view: anywhere in the list
    ContextMenu,        // list view: (x, y) on the screen; (-1, -1) from the keyboard
    EnterPressed,       // list view
    LeftButtonPressed,  // transparent label
    Clicked,            // push button
    MenuEntryChosen,    // popup menu: (1-based position, 0)
    Created,            // the window: all its controls exist, not shown yet
    ShortcutPressed,    // the window: a keyboard shortcut (program_shortcuts.h)
    Resized,            // the window: its controls are laid out at a new size
    FilesDropped,       // the window: (count, 0); the paths in win32/dropped_files.h
};

struct EventBinding {
    Text source;  // the control's or the popup menu's template name, or a shortcut's name
    ControlEvent event;
    std::function<void(std::int32_t, std::int32_t)> handler;
};

using EventTable = std::vector<EventBinding>;
