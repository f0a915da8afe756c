#include <gtest/gtest.h>

#include "common/text.h"

namespace {

const Text kWide = "\xA1\xA1";

TEST(TextBlanksTest, TrimRemovesAsciiAndFullWidthBlanksAtBothEnds) {
    EXPECT_EQ(gbk::trim(" \t\r\n\v\fa b\r\n "), "a b");
    EXPECT_EQ(gbk::trim(kWide + "中 文" + kWide + " "), "中 文");
    EXPECT_EQ(gbk::trim(kWide + kWide), "");
}

TEST(TextBlanksTest, FullWidthBlankCountsOnlyAsAWholeCharacter) {
    // B0 A1 is a character; the A1 A1 after it starts on the next byte.
    EXPECT_EQ(gbk::trim("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
    EXPECT_EQ(gbk::trim("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
    // The last space is the second byte of the character A1 20.
    EXPECT_EQ(gbk::trim(" \xB0\xA1\xA1 "), "\xB0\xA1\xA1 ");
    EXPECT_EQ(gbk::removeBlanks("\xB0\xA1\xA1\xA1 \xA1 "), "\xB0\xA1\xA1 ");
}

TEST(TextBlanksTest, RemoveBlanksRemovesThemEverywhere) {
    EXPECT_EQ(gbk::removeBlanks(" a b\tc\r\n" + kWide + "中" + kWide + "文 "), "abc中文");
    EXPECT_EQ(gbk::removeBlanks(kWide + " "), "");
}

}  // namespace
