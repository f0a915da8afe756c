#pragma once
// What each entry of the category menu does: the constant table behind the
// menu, looked up by the entry's exact caption.

#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/embedded_playlists.h"
#include "common/value_types.h"

enum class EntryAction {
    Notice,        // a message box with `text`
    EmbeddedList,  // fill the main list from `playlist` with the two tags
    RemoteList,    // fill the main list from the list service's `text` path with `pattern`
    FixedPage,     // send browser view 1 to the address `text`
};

struct CatalogueEntry {
    std::int32_t group;
    std::int32_t entry;
    Text caption;
    EntryAction action;
    Text text;  // the message, the path and query, or the address
    EmbeddedPlaylist playlist = EmbeddedPlaylist::Collection;
    Text titleTag = {};
    Text addressTag = {};
    Text pattern = {};
};

// All 38 entries in menu order; captions are pairwise distinct.
std::span<const CatalogueEntry> catalogueEntries();

// The entry whose caption equals `caption` byte for byte; null when none does.
const CatalogueEntry* findCatalogueEntry(std::string_view caption);
