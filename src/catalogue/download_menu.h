#pragma once
// The download list's context menu: a right click on kDownloadList shows the
// popup menu kDownloadMenu, whose entries open, copy or clear the list's
// addresses.

#include <cstdint>

// Shows kDownloadMenu at the mouse cursor; the chosen entry runs its handler.
void onDownloadListRightClicked();

// Runs the menu's entry `entry` (1-based): 1 opens the selected download
// row's address, 2 copies an address and its name, 3 clears the download
// list. Other entries do nothing.
void onDownloadMenuEntryChosen(std::int32_t entry);
