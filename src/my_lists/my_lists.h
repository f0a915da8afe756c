#pragma once
// The user's own lists, kept across runs in the user's folder: favourites
// ("我的收藏") and the titles played last ("最近播放"). A change that cannot be
// saved says so in a message box; what the list held stays as it was.

#include "common/value_types.h"

bool isFavourite(const Text& address);
void addFavourite(const Text& title, const Text& address);
void removeFavourite(const Text& address);

// Called after each play: the title goes first among the last 200 played.
void rememberPlayed(const Text& title, const Text& address);

// Fill kCatalogueList with the list's titles (column 0) and media addresses
// (column 1), newest first, as a new action on the rows (catalogue/
// list_actions.h): overtaken while it waits for the user's files, it writes
// no rows. Browser view 1 and the window title stay as they are.
void showFavourites();
void showRecentlyPlayed();
