#include "recent_playlists.h"

#include "my_lists/list_store.h"
#include "win32/wide_text.h"

std::vector<RecentPlaylist> recentPlaylists() {
    std::vector<RecentPlaylist> playlists;
    for (const ListEntry& entry : readUserEntries(kRecentPlaylists).entries) {
        playlists.push_back({fromUtf8(entry.title), fromUtf8(entry.address)});
    }
    return playlists;
}

void rememberPlaylist(const std::wstring& location) {
    putEntryOnTop(kRecentPlaylists, toUtf8(playlistName(location)), toUtf8(location));
}

std::wstring playlistName(const std::wstring& location) {
    if (location.find(L"://") != std::wstring::npos) {
        return location;
    }
    const std::size_t slash = location.find_last_of(L"\\/");
    return slash == std::wstring::npos ? location : location.substr(slash + 1);
}
