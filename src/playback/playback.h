#pragma once
// Playing a catalogue item: browser view 1 goes to the player page with the
// item's media address as the last query value, and the window title names
// the item. The forum link opens the forum in the user's browser.

#include "common/hosts.h"

// The player page's address up to its media parameter; a media address is
// appended unchanged, without escaping.
inline constexpr char playerPagePrefix[] = "http://" NUVRI_PLAYER_HOST "/player.html?c=0&p=1&f=";

inline constexpr char kPlayingTitlePrefix[] = "Nuvri福利播放器| 正在播放：";

// Handler of the main list's double click.
void onCatalogueRowDoubleClicked();

// Handler of the forum link label's left-button press.
void onForumLinkPressed();
