// The .she skin format: the skin the build makes, and damaged or unusual skins.
#include "skin_format.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin_checksum.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Entry {
    std::string key;
    Bytes value;
};

void appendNumber(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A skin laid out as skin_format.h describes, with a right checksum.
Bytes encode(const std::vector<Entry>& entries, std::uint16_t version = kSkinFormatVersion) {
    Bytes body;
    for (const Entry& entry : entries) {
        body.push_back(static_cast<std::uint8_t>(entry.key.size()));
        body.insert(body.end(), entry.key.begin(), entry.key.end());
        body.push_back(static_cast<std::uint8_t>(entry.value.size()));
        body.insert(body.end(), entry.value.begin(), entry.value.end());
    }
    Bytes bytes = {'.', 'S', 'H', 'E'};
    appendNumber(bytes, version, 2);
    appendNumber(bytes, static_cast<std::uint32_t>(entries.size()), 2);
    appendNumber(bytes, static_cast<std::uint32_t>(body.size()), 4);
    appendNumber(bytes, skinChecksum(body), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// Every colour, colour i being (i, i + 1, i + 2).
std::vector<Entry> allColours() {
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < kSkinColourCount; ++i) {
        const auto red = static_cast<std::uint8_t>(i);
        entries.push_back(
            {std::string(kSkinColourKeys[i]),
             {red, static_cast<std::uint8_t>(red + 1), static_cast<std::uint8_t>(red + 2)}});
    }
    return entries;
}

Bytes builtSkin() {
    std::ifstream file(NUVRI_SKIN_FILE, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Parses a copy that ends exactly where the bytes end, so that the address
// sanitizer catches any read past them.
std::optional<SkinTheme> parseExact(const Bytes& bytes) {
    const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return parseSkin({copy.get(), bytes.size()});
}

TEST(SkinChecksum, IsTheCrc32OfZlib) {
    const std::string text = "123456789";
    EXPECT_EQ(skinChecksum({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}),
              0xCBF43926u);
    EXPECT_EQ(skinChecksum({}), 0u);
}

TEST(SkinFormat, TheBuiltSkinGivesEveryColourAndTextStandsOutFromItsBackground) {
    const Bytes bytes = builtSkin();
    ASSERT_GT(bytes.size(), kSkinHeaderSize);
    const std::optional<SkinTheme> theme = parseExact(bytes);
    ASSERT_TRUE(theme);
    EXPECT_NE((*theme)[SkinColour::windowBack], (*theme)[SkinColour::windowText]);
    EXPECT_NE((*theme)[SkinColour::listBack], (*theme)[SkinColour::listText]);
    EXPECT_NE((*theme)[SkinColour::menuHighlight], (*theme)[SkinColour::menuHighlightText]);
}

TEST(SkinFormat, ColoursAreReadAsRedGreenBlueIntoColorrefOrder) {
    const std::optional<SkinTheme> theme = parseExact(encode(allColours()));
    ASSERT_TRUE(theme);
    for (std::size_t i = 0; i < kSkinColourCount; ++i) {
        EXPECT_EQ(theme->colours[i], i | ((i + 1) << 8) | ((i + 2) << 16)) << kSkinColourKeys[i];
    }
}

TEST(SkinFormat, RejectsEveryShortenedSkin) {
    const Bytes bytes = builtSkin();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_FALSE(parseExact(Bytes(bytes.begin(), bytes.begin() + length))) << length;
    }
}

TEST(SkinFormat, RejectsEveryChangedByte) {
    const Bytes bytes = builtSkin();
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (const std::uint8_t flip :
             {std::uint8_t{0x01}, std::uint8_t{0x80}, std::uint8_t{0xFF}}) {
            Bytes damaged = bytes;
            damaged[at] ^= flip;
            EXPECT_FALSE(parseExact(damaged)) << "byte " << at << " ^ " << int{flip};
        }
    }
}

TEST(SkinFormat, RejectsWrongMagicVersionAndTrailingBytes) {
    Bytes wrongMagic = encode(allColours());
    wrongMagic[0] = 'X';
    EXPECT_FALSE(parseExact(wrongMagic));
    EXPECT_FALSE(parseExact(encode(allColours(), 2)));
    EXPECT_FALSE(parseExact(encode(allColours(), 0)));
    Bytes trailing = encode(allColours());
    trailing.push_back(0);
    EXPECT_FALSE(parseExact(trailing));
}

TEST(SkinFormat, RejectsEntriesThatDoNotAddUp) {
    std::vector<Entry> entries = allColours();
    Bytes fewerCounted = encode(entries);
    fewerCounted[6] -= 1;  // one entry left over at the end of the body
    EXPECT_FALSE(parseExact(fewerCounted));
    Bytes moreCounted = encode(entries);
    moreCounted[6] += 1;  // the body ends inside the entries
    EXPECT_FALSE(parseExact(moreCounted));

    entries.push_back({"", {}});
    EXPECT_FALSE(parseExact(encode(entries))) << "an empty key";
}

TEST(SkinFormat, SkipsUnknownKeysButWantsEachColourOnceWithThreeBytes) {
    std::vector<Entry> withExtra = allColours();
    withExtra.insert(withExtra.begin() + 3, {"window.image", Bytes(200, 7)});
    withExtra.push_back({"name", {'N', 'u', 'v', 'r', 'i'}});
    EXPECT_TRUE(parseExact(encode(withExtra)));

    std::vector<Entry> duplicate = allColours();
    duplicate.push_back({"list.back", {1, 2, 3}});
    EXPECT_FALSE(parseExact(encode(duplicate)));

    std::vector<Entry> longValue = allColours();
    longValue[4].value.push_back(0);
    EXPECT_FALSE(parseExact(encode(longValue)));

    for (std::size_t missing = 0; missing < kSkinColourCount; ++missing) {
        std::vector<Entry> entries = allColours();
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(missing));
        EXPECT_FALSE(parseExact(encode(entries))) << kSkinColourKeys[missing];
    }
}

}  // namespace
