#include "catalogue/embedded_playlists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// These checks read the playlists with plain byte searches, apart from the
// program's own extraction, so a fault in the data cannot hide behind one there.
namespace {

constexpr std::string_view kRouteTitleTag = kRouteTags.title;
constexpr std::string_view kRouteAddressTag = kRouteTags.address;
constexpr std::string_view kCollectionTitleTag = kCollectionTags.title;
constexpr std::string_view kCollectionAddressTag = kCollectionTags.address;
constexpr std::string_view kPictureTag = "<图片>";

struct Shape {
    EmbeddedPlaylist which;
    int records;
    int titleTags;
};

constexpr Shape kShapes[] = {
    {EmbeddedPlaylist::Collection, 1489, 1489}, {EmbeddedPlaylist::Route1, 799, 799},
    {EmbeddedPlaylist::Route2, 1226, 1226},     {EmbeddedPlaylist::Route3, 999, 999},
    {EmbeddedPlaylist::Route4, 999, 999},       {EmbeddedPlaylist::Route5, 999, 999},
    {EmbeddedPlaylist::Route6, 999, 998},       {EmbeddedPlaylist::Route7, 999, 999},
    {EmbeddedPlaylist::Route8, 999, 999},       {EmbeddedPlaylist::Route9, 1000, 1000},
    {EmbeddedPlaylist::Route10, 1000, 1000},    {EmbeddedPlaylist::Route12, 1000, 1000},
    {EmbeddedPlaylist::Film, 1020, 1020},
};

std::vector<std::string_view> records(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        result.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

int occurrences(std::string_view text, std::string_view sought) {
    int count = 0;
    for (auto at = text.find(sought); at != std::string_view::npos;
         at = text.find(sought, at + 1)) {
        ++count;
    }
    return count;
}

std::string_view fieldAfter(std::string_view record, std::string_view tag) {
    const auto start = record.find(tag);
    if (start == std::string_view::npos) {
        return {};
    }
    const auto content = record.substr(start + tag.size());
    return content.substr(0, content.find('|'));
}

bool isBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

TEST(EmbeddedPlaylistsTest, RecordAndTagCounts) {
    for (const Shape& shape : kShapes) {
        const auto text = embeddedPlaylist(shape.which);
        const bool collection = shape.which == EmbeddedPlaylist::Collection;
        const bool film = shape.which == EmbeddedPlaylist::Film;
        SCOPED_TRACE(static_cast<int>(shape.which));
        EXPECT_EQ(static_cast<int>(records(text).size()), shape.records);
        EXPECT_EQ(occurrences(text, collection ? kCollectionTitleTag : kRouteTitleTag),
                  shape.titleTags);
        EXPECT_EQ(occurrences(text, collection ? kCollectionAddressTag : kRouteAddressTag),
                  shape.records);
        EXPECT_EQ(occurrences(text, kPictureTag), film ? 0 : shape.records);
        EXPECT_LE(text.size(), 210u * 1024);
    }
}

TEST(EmbeddedPlaylistsTest, EveryRecordHoldsATitleAndAnMp4Address) {
    for (const Shape& shape : kShapes) {
        const bool collection = shape.which == EmbeddedPlaylist::Collection;
        const auto titleTag = collection ? kCollectionTitleTag : kRouteTitleTag;
        const auto addressTag = collection ? kCollectionAddressTag : kRouteAddressTag;
        SCOPED_TRACE(static_cast<int>(shape.which));
        for (const auto record : records(embeddedPlaylist(shape.which))) {
            auto title = fieldAfter(record, titleTag.substr(1));
            if (collection) {
                ASSERT_TRUE(title.starts_with('>')) << record;
                title.remove_prefix(1);
            }
            ASSERT_FALSE(title.empty()) << record;
            EXPECT_FALSE(isBlank(title.front()) || isBlank(title.back())) << record;
            EXPECT_EQ(title.find_first_of("<>"), std::string_view::npos) << record;
            const auto address = fieldAfter(record, addressTag);
            EXPECT_TRUE(address.starts_with("http://") && address.ends_with(".mp4")) << record;
            EXPECT_EQ(address.find_first_of(" \t"), std::string_view::npos) << record;
        }
    }
}

TEST(EmbeddedPlaylistsTest, QuirksOfSinglePlaylists) {
    const auto route6 = records(embeddedPlaylist(EmbeddedPlaylist::Route6));
    EXPECT_TRUE(route6.front().starts_with(kRouteTitleTag.substr(1)));
    EXPECT_TRUE(route6[1].starts_with(kRouteTitleTag));

    // Nothing after the last title tag may close its title, not even a later field.
    const auto route10 = embeddedPlaylist(EmbeddedPlaylist::Route10);
    const auto lastTitle = route10.substr(route10.rfind(kRouteTitleTag));
    EXPECT_EQ(lastTitle.find('|'), std::string_view::npos);
    EXPECT_GT(lastTitle.size(), kRouteTitleTag.size());

    const auto collection = embeddedPlaylist(EmbeddedPlaylist::Collection);
    EXPECT_EQ(occurrences(collection, std::string(kCollectionTitleTag) + ">"), 1489);

    for (const auto record : records(embeddedPlaylist(EmbeddedPlaylist::Film))) {
        ASSERT_TRUE(record.starts_with(kRouteAddressTag)) << record;
    }
}

TEST(EmbeddedPlaylistsTest, BytesAreGbkAndNoCharacterEndsInASeparator) {
    for (const Shape& shape : kShapes) {
        const auto text = embeddedPlaylist(shape.which);
        SCOPED_TRACE(static_cast<int>(shape.which));
        for (std::size_t at = 0; at < text.size(); ++at) {
            const auto byte = static_cast<unsigned char>(text[at]);
            if (byte < 0x80) {
                continue;
            }
            ASSERT_TRUE(byte >= 0x81 && byte <= 0xFE) << "at " << at;
            ASSERT_LT(at + 1, text.size());
            const auto trail = static_cast<unsigned char>(text[++at]);
            ASSERT_TRUE(trail >= 0x40 && trail <= 0xFE && trail != 0x7F && trail != '|')
                << "at " << at;
        }
    }
}

}  // namespace
