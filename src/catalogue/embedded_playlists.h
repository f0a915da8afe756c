#pragma once
// The playlists compiled into the program: GBK texts of CR LF separated records
// whose fields are opened by a tag and closed by "|". The bytes come from
// tools/generate_playlists.py at build time.

#include <string_view>

enum class EmbeddedPlaylist {
    Collection,
    Route1,
    Route2,
    Route3,
    Route4,
    Route5,
    Route6,
    Route7,
    Route8,
    Route9,
    Route10,
    Route12,
    Film
};

// The tags that open a record's title and address: the collection has its
// own, the routes and the film list share the other pair.
struct PlaylistTags {
    const char* title;
    const char* address;
};
inline constexpr PlaylistTags kCollectionTags = {"<Nuvri老司机>", "<车牌号>"};
inline constexpr PlaylistTags kRouteTags = {"<视频>", "<地址>"};

// The playlist's bytes; they live for the whole program.
std::string_view embeddedPlaylist(EmbeddedPlaylist which);
