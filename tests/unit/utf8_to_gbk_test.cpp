#include "common/utf8_to_gbk.h"

#include <gtest/gtest.h>

TEST(Utf8ToGbkTest, ChineseTitlesBecomeGbkAndTheTextEndsAtAZero) {
    EXPECT_EQ(utf8ToGbk("\xE8\x8B\xB1\xE9\x9B\x84\xE8\x81\x94\xE7\x9B\x9F abc"), "英雄联盟 abc");
    EXPECT_EQ(utf8ToGbk(std::string_view("a\0b", 3)), "a");
    EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(Utf8ToGbkTest, InvalidInputStillConverts) {
    const Text converted = utf8ToGbk("<m label=\"\xFF\xFE\" />");
    EXPECT_EQ(converted.substr(0, 10), "<m label=\"");
    EXPECT_EQ(converted.substr(converted.size() - 4), "\" />");
    EXPECT_GT(converted.size(), 14u);
}

TEST(Utf8ToGbkTest, GbkTextsComeBackFromUtf8) {
    const Text title = "英雄联盟 abc\t>";
    EXPECT_EQ(gbkToUtf8(title), "\xE8\x8B\xB1\xE9\x9B\x84\xE8\x81\x94\xE7\x9B\x9F abc\t>");
    EXPECT_EQ(utf8ToGbk(gbkToUtf8(title)), title);
    EXPECT_EQ(gbkToUtf8(""), "");
}
