#include <gtest/gtest.h>

#include <random>

#include "common/text.h"

namespace {

TEST(TextFindTest, FindsTheFirstOccurrenceAtOrAfterStart) {
    EXPECT_EQ(gbk::find("abcabc", "bc"), 2);
    EXPECT_EQ(gbk::find("abcabc", "bc", 3), 5);
    EXPECT_EQ(gbk::find("abcabc", "bc", 6), -1);
    EXPECT_EQ(gbk::find("abc", "abcd"), -1);
    EXPECT_EQ(gbk::find("abc", "a", -5), 1);
    EXPECT_EQ(gbk::find("abc", "a", 4), -1);
    EXPECT_EQ(gbk::find("中文中文", "文", 5), 7);
}

TEST(TextFindTest, EmptySoughtIsFoundWhereTheScanStarts) {
    EXPECT_EQ(gbk::find("abc", "", 3), 3);
    EXPECT_EQ(gbk::find("abc", "", 4), -1);
    EXPECT_EQ(gbk::find("", ""), -1);
}

TEST(TextFindTest, NeverMatchesOnTheSecondByteOfACharacter) {
    EXPECT_EQ(gbk::find("\x81x", "x"), -1);
    EXPECT_EQ(gbk::find("\x81xx", "x"), 3);
    // "|" is a valid trail byte, so a playlist separator can hide in a character.
    EXPECT_EQ(gbk::find("\x95|z|", "|"), 4);
    // A run of lead-range bytes pairs up from its start.
    EXPECT_EQ(gbk::find("\x81\x81\x81x", "x"), -1);
    EXPECT_EQ(gbk::find("\x81\x81x", "x"), 3);
    // A lead byte at the very end has no second byte and is a character alone.
    EXPECT_EQ(gbk::find("z\x81", "\x81"), 2);
}

TEST(TextFindTest, ExplicitStartBeginsAtThatByte) {
    EXPECT_EQ(gbk::find("\x81x", "x", 2), 2);
    // From byte 4 the stepping pairs C4 D6 and D0 CE, so 文 (CE C4) is not at a
    // character start.
    EXPECT_EQ(gbk::find("中文中文", "文", 4), -1);
}

TEST(TextFindTest, IgnoreCaseFoldsSingleByteLettersOnly) {
    EXPECT_EQ(gbk::find("Set-COOKIE: a", "set-cookie", 1, true), 1);
    EXPECT_EQ(gbk::find("Set-COOKIE: a", "set-cookie", 1, false), -1);
    // B0 41 and B0 61 are different characters although 41/61 look like A/a.
    EXPECT_EQ(gbk::find("\xB0\x41", "\xB0\x61", 1, true), -1);
    EXPECT_EQ(gbk::find("\xB0\x41Z", "z", 1, true), 3);
}

// The scan checked against the plain definition: step characters from start
// and compare at each character start.
std::int32_t referenceFind(const Text& text, const Text& sought, std::size_t from,
                           bool ignoreCase) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    auto isLead = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x81 && byte <= 0xFE;
    };
    for (std::size_t at = from; at < text.size();) {
        bool matched = text.size() - at >= sought.size();
        for (std::size_t i = 0; matched && i < sought.size();) {
            const bool pair = isLead(sought[i]) && i + 1 < sought.size();
            matched = pair ? text.compare(at + i, 2, sought, i, 2) == 0
                           : (ignoreCase ? fold(text[at + i]) == fold(sought[i])
                                         : text[at + i] == sought[i]);
            i += pair ? 2 : 1;
        }
        if (matched) {
            return static_cast<std::int32_t>(at + 1);
        }
        at += isLead(text[at]) && at + 1 < text.size() ? 2 : 1;
    }
    return -1;
}

TEST(TextFindTest, AgreesWithCharacterByCharacterStepping) {
    const char alphabet[] = {'a', 'A', 'b', '|', '\x81', '\xA1', '\xB0', '\xFE', '\xFF'};
    std::mt19937 random(7);
    auto randomText = [&](std::size_t minLength, std::size_t maxLength) {
        Text text(minLength + random() % (maxLength - minLength + 1), ' ');
        for (char& c : text) {
            c = alphabet[random() % sizeof alphabet];
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const Text text = randomText(1, 24);
        const Text sought = randomText(1, 3);
        const auto from = random() % text.size();
        const bool ignoreCase = random() % 2 == 0;
        ASSERT_EQ(gbk::find(text, sought, static_cast<std::int32_t>(from + 1), ignoreCase),
                  referenceFind(text, sought, from, ignoreCase))
            << "round " << round;
    }
}

}  // namespace
