#include <gtest/gtest.h>

#include <vector>

#include "common/text.h"

namespace {

TEST(TextCompareTest, OrdersByCharacterThenLength) {
    EXPECT_EQ(gbk::compare("abc", "abc", true), 0);
    EXPECT_LT(gbk::compare("abc", "abd", true), 0);
    EXPECT_LT(gbk::compare("ab", "abc", true), 0);
    EXPECT_GT(gbk::compare("abc", "", true), 0);
    EXPECT_LT(gbk::compare("\xB0\xA1", "\xB0\xA2", true), 0);
}

TEST(TextCompareTest, CaseInsensitiveFoldsSingleByteLettersToLowerCase) {
    EXPECT_EQ(gbk::compare("ABC", "abc", false), 0);
    EXPECT_NE(gbk::compare("ABC", "abc", true), 0);
    EXPECT_NE(gbk::compare("\xB0\x41", "\xB0\x61", false), 0);
    EXPECT_LT(gbk::compare("_", "A", false), 0);
}

TEST(TextCompareTest, DoubleByteCharactersSortAfterEverySingleByte) {
    EXPECT_LT(gbk::compare("\xFF", "\x81\x40", true), 0);
    // A lead byte with nothing after it is a single byte.
    EXPECT_LT(gbk::compare("z\x81", "z\x81\x40", true), 0);
}

TEST(TextCompareTest, IsATotalOrder) {
    const std::vector<Text> texts = {"",          "a",        "A",        "_",
                                     "\xFF",      "\x81",     "\x81z",    "\x81\x40",
                                     "\x81\x40z", "\xB0\x41", "\xB0\x61", "中"};
    for (bool caseSensitive : {true, false}) {
        for (const Text& a : texts) {
            for (const Text& b : texts) {
                const int ab = gbk::compare(a, b, caseSensitive);
                EXPECT_EQ(ab, -gbk::compare(b, a, caseSensitive));
                for (const Text& c : texts) {
                    if (ab <= 0 && gbk::compare(b, c, caseSensitive) <= 0) {
                        EXPECT_LE(gbk::compare(a, c, caseSensitive), 0);
                    }
                }
            }
        }
    }
}

}  // namespace
