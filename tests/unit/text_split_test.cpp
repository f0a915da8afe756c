#include <gtest/gtest.h>

#include "common/text.h"

namespace {

TEST(TextSplitTest, KeepsEmptyPiecesButNotAnEmptyRemainder) {
    EXPECT_EQ(gbk::split("a,,b,"), (Table<Text>{"a", "", "b"}));
    EXPECT_EQ(gbk::split("one\r\n\r\nthree", "\r\n"), (Table<Text>{"one", "", "three"}));
    EXPECT_EQ(gbk::split(",a"), (Table<Text>{"", "a"}));
    EXPECT_EQ(gbk::split(","), (Table<Text>{""}));
}

TEST(TextSplitTest, TextsWithoutPieces) {
    EXPECT_EQ(gbk::split(""), Table<Text>{});
    EXPECT_EQ(gbk::split("", ""), Table<Text>{});
    EXPECT_EQ(gbk::split("abc"), (Table<Text>{"abc"}));
    EXPECT_EQ(gbk::split("a,b", ""), (Table<Text>{"a,b"}));
}

TEST(TextSplitTest, MaxPartsStopsTheWalk) {
    EXPECT_EQ(gbk::split("a,b,c", ",", 2), (Table<Text>{"a", "b"}));
    EXPECT_EQ(gbk::split("a,b", ",", 5), (Table<Text>{"a", "b"}));
    EXPECT_EQ(gbk::split("a,b", ",", 0), Table<Text>{});
    EXPECT_EQ(gbk::split("a,b", "", -1), Table<Text>{});
}

TEST(TextSplitTest, DelimiterInsideADoubleByteCharacterDoesNotSplit) {
    EXPECT_EQ(gbk::split("\x95|z|y", "|"), (Table<Text>{"\x95|z", "y"}));
    EXPECT_EQ(gbk::split("aXbxc", "x"), (Table<Text>{"aXb", "c"}));
}

}  // namespace
