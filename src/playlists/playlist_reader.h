#pragma once
// The entries of a playlist the user opens (M3U or M3U8, from a file or a web
// address): what its lines name, in order, each with the title the main list
// shows and the media address it plays.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct PlaylistEntry {
    std::u16string title;    // as shown: "[group] title" when a group is given
    std::u16string address;  // the media address, resolved, tail after '|' cut
};
// Bytes; the caller refuses bigger files before reading.
inline constexpr std::size_t kPlaylistSizeLimit = 64u << 20;
// Bytes; a longer line is skipped.
inline constexpr std::size_t kPlaylistLineLimit = 1u << 20;
// Entries after this many are left out: 64 MiB of one-letter lines would
// otherwise ask for gigabytes.
inline constexpr std::size_t kPlaylistEntryLimit = 1u << 20;
// The entries of a playlist, in order. `bytes` is the whole file or answer;
// `location` is where the playlist itself came from: its http(s) address or
// its file path (C:\dir\list.m3u, also \\server\share\list.m3u), against
// whose folder relative addresses resolve.
std::vector<PlaylistEntry> readPlaylist(std::string_view bytes, std::u16string_view location);
