#include <gtest/gtest.h>

#include "common/text.h"

namespace {

TEST(TextSliceTest, ConcatJoinsAnyMixOfTextsAndTreatsNullAsEmpty) {
    const char* absent = nullptr;
    EXPECT_EQ(gbk::concat(Text("中"), absent, std::string_view("文"), "abc"), "中文abc");
    EXPECT_EQ(gbk::concat(), "");
}

TEST(TextSliceTest, LeftRightAndMiddleClampToTheText) {
    EXPECT_EQ(gbk::left("abcdef", 2), "ab");
    EXPECT_EQ(gbk::left("abc", 10), "abc");
    EXPECT_EQ(gbk::left("abc", -3), "");
    EXPECT_EQ(gbk::right("abcdef", 2), "ef");
    EXPECT_EQ(gbk::right("abc", 10), "abc");
    EXPECT_EQ(gbk::right("abc", 0), "");
    EXPECT_EQ(gbk::middle("abcdef", 2, 3), "bcd");
    EXPECT_EQ(gbk::middle("abcdef", 5, 10), "ef");
    EXPECT_EQ(gbk::middle("abcdef", 6, 1), "f");
    EXPECT_EQ(gbk::middle("abcdef", 0, 3), "");
    EXPECT_EQ(gbk::middle("abcdef", 7, 1), "");
    EXPECT_EQ(gbk::middle("abcdef", 2, 0), "");
}

TEST(TextSliceTest, BlanksAndCharacter) {
    EXPECT_EQ(gbk::blanks(3), "   ");
    EXPECT_EQ(gbk::blanks(-2), "");
    EXPECT_EQ(gbk::character(0xA1), "\xA1");
    // A byte read from a text as a signed char gives the same byte back.
    EXPECT_EQ(gbk::character(static_cast<signed char>('\xA1')), "\xA1");
    EXPECT_EQ(gbk::character(0), "");
}

}  // namespace
