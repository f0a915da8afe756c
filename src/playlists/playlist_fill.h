#pragma once
// The main list filled with a playlist's entries, each its title in column 0
// and its media address in column 1, in order; drawn once, at the end.

#include <vector>

#include "playlist_reader.h"

// The entries' texts move into the list.
void fillFromPlaylist(std::vector<PlaylistEntry> entries);
