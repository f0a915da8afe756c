// The playlist reader on playlists as they come (unit/playlist_rows.h), and
// on one with more entries than it takes.
#include "playlists/playlist_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "unit/playlist_rows.h"

namespace {

using playlist_rows::Entries;

Entries read(std::string_view bytes, std::u16string_view location) {
    Entries entries;
    for (PlaylistEntry& entry : readPlaylist(bytes, location)) {
        entries.emplace_back(std::move(entry.title), std::move(entry.address));
    }
    return entries;
}

TEST(PlaylistReaderTest, GivesEachPlaylistsEntries) {
    for (const playlist_rows::PlaylistRow& row : playlist_rows::rows()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(read(row.bytes, row.location), row.entries);
    }
}

TEST(PlaylistReaderTest, ReadsPastEveryBatchAndStopsAtTheEntryLimit) {
    std::string playlist = "#EXTINF:-1,First\r\n";
    for (std::size_t n = 1; n < kPlaylistEntryLimit; ++n) {
        playlist += "a\r\n";
    }
    playlist += "#EXTINF:-1,Last\r\nb\r\nc\r\n";
    const std::vector<PlaylistEntry> entries = readPlaylist(playlist, u"C:\\p\\l.m3u");
    ASSERT_EQ(entries.size(), kPlaylistEntryLimit);
    EXPECT_EQ(entries[0].title, u"First");
    EXPECT_EQ(entries[1].title, u"a");
    EXPECT_EQ(entries.back().title, u"Last");
    EXPECT_EQ(entries.back().address, u"C:\\p\\b");
}

}  // namespace
