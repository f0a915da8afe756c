#pragma once
// The category menu's handler: what a click on one of its entries does.

#include <cstdint>

// Looks up the caption of entry `entry` of group `group` of kCategoryMenu in
// the catalogue table and runs that entry's action: a notice box, a fill of
// the main list from a compiled-in playlist or from the list service (each
// followed by the information page in browser view 1), or a fixed page in
// browser view 1. A caption that no entry has does nothing.
void onCategoryEntryClicked(std::int32_t group, std::int32_t entry);
