#pragma once
// The five playlists opened last, newest first, kept among the user's lists
// (my_lists/list_store.h), so that the main list's menu offers them again.

#include <string>
#include <vector>

#include "common/value_types.h"

struct RecentPlaylist {
    std::wstring name;      // the file's name, or the address
    std::wstring location;  // the file's full path, or the web address
};

std::vector<RecentPlaylist> recentPlaylists();

// Puts the playlist at `location` first; a failure to keep it is not told
// (the playlist itself did open).
void rememberPlaylist(const std::wstring& location);

// The name a playlist is offered under: its file's name, or its address.
std::wstring playlistName(const std::wstring& location);
