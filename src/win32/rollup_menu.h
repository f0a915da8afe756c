#pragma once
// The roll-up menu: a stack of group header buttons of which exactly one group
// is open, its entries listed below its header and the later headers stacked
// at the bottom. Clicking a header opens its group; clicking an entry tells
// the parent. Group 0 is open at start.

#include <windows.h>

#include <vector>

#include "child_place.h"
#include "common/value_types.h"

struct RollupGroup {
    Text caption;
    std::vector<Text> entries;
};

// WM_NOTIFY code sent to the parent when an entry is clicked or chosen from the
// keyboard; lParam points to a RollupEntryClicked. It is positive, so it never
// meets the common controls' codes, which are all negative.
inline constexpr UINT kRollupEntryClicked = 0x8001;

struct RollupEntryClicked {
    NMHDR header;
    int group;
    int entry;
};

// Tells the menu's parent that entry `entry` of `group` was clicked, exactly
// as a click on it does.
void reportEntryClicked(HWND menu, int group, int entry);

// Creates the menu at `place`. Its font (SimSun 12 px at 96 DPI, GB2312) is
// what WM_GETFONT returns.
HWND createRollupMenu(const ChildPlace& place, std::vector<RollupGroup> groups);

// The caption of entry `entry` of group `group`; empty when there is no such
// entry or `menu` is not a roll-up menu.
Text rollupMenuCaption(HWND menu, int entry, int group);
