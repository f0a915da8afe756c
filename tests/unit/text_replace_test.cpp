#include <gtest/gtest.h>

#include "common/text.h"

namespace {

TEST(TextReplaceTest, ReplacesEveryOccurrenceWithoutOverlap) {
    EXPECT_EQ(gbk::replace("a-b-c", "-", "", true), "abc");
    EXPECT_EQ(gbk::replace("aaaa", "aa", "b", true), "bb");
    EXPECT_EQ(gbk::replace("aaa", "aa", "b", true), "ba");
    // A replacement holding the sought text is not scanned again.
    EXPECT_EQ(gbk::replace("ab", "a", "aa", true), "aab");
    EXPECT_EQ(gbk::replace("中文中文", "文", "国", true), "中国中国");
}

TEST(TextReplaceTest, StartAndCountLimitTheReplacements) {
    EXPECT_EQ(gbk::replace("a-b-c-d", "-", "+", 3, std::nullopt, true), "a-b+c+d");
    EXPECT_EQ(gbk::replace("a-b-c-d", "-", "+", 0, 2, true), "a+b+c-d");
    EXPECT_EQ(gbk::replace("a-b-c-d", "-", "+", 1, 0, true), "a-b-c-d");
    EXPECT_EQ(gbk::replace("a-b-c-d", "-", "+", 1, -1, true), "a-b-c-d");
    EXPECT_EQ(gbk::replace("a-b", "-", "+", 4, std::nullopt, true), "a-b");
    EXPECT_EQ(gbk::replace("", "a", "b", true), "");
    EXPECT_EQ(gbk::replace("abc", "", "x", true), "abc");
}

TEST(TextReplaceTest, StepsDoubleByteCharactersAsUnits) {
    EXPECT_EQ(gbk::replace("\x95|z|", "|", ",", true), "\x95|z,");
    // From start 2 the scan begins on what is a trail byte in the whole text.
    EXPECT_EQ(gbk::replace("\x95|z|", "|", ",", 2, std::nullopt, true), "\x95,z,");
}

TEST(TextReplaceTest, CaseInsensitiveFoldsSingleByteLettersOnly) {
    EXPECT_EQ(gbk::replace("set-cookie: a\r\nSET-COOKIE: b", "Set-Cookie", "Set-Cookie", false),
              "Set-Cookie: a\r\nSet-Cookie: b");
    EXPECT_EQ(gbk::replace("Aa", "a", "x", true), "Ax");
    EXPECT_EQ(gbk::replace("\xB0\x41", "\xB0\x61", "x", false), "\xB0\x41");
}

}  // namespace
