#include "common/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ConvertTest, NumbersInDecimalShortestFormThatReadsBack) {
    EXPECT_EQ(toText(-42), "-42");
    EXPECT_EQ(toText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(toText(100.0), "100");
    EXPECT_EQ(toText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(toText(1e20), "1e+20");
    EXPECT_EQ(toText(123456789012.0), "123456789012");
    EXPECT_EQ(toText(-0.0), "0");
    // A float is written as a float, not as the double it widens to.
    EXPECT_EQ(toText(1.1f), "1.1");
}

TEST(ConvertTest, LogicalsAndByteArraysAsText) {
    EXPECT_EQ(toText(true), "真");
    EXPECT_EQ(toText(false), "假");
    EXPECT_EQ(toText(Bytes{'a', 'b', 0, 'c'}), "ab");
    EXPECT_EQ(toText(Bytes{'a', 'b'}), "ab");
}

TEST(ConvertTest, ToBytesGivesTextBytesAndLittleEndianNumbers) {
    EXPECT_EQ(toBytes("中a"), (Bytes{0xD6, 0xD0, 'a'}));
    EXPECT_EQ(toBytes(std::int16_t{0x0102}), (Bytes{2, 1}));
    EXPECT_EQ(toBytes(-2), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(toBytes(1.0), (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(toBytes(true), (Bytes{1, 0, 0, 0}));
}

TEST(ConvertTest, ToIntegerTruncatesTowardZeroAndSaturates) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(toInteger(2.9), 2);
    EXPECT_EQ(toInteger(-2.9), -2);
    EXPECT_EQ(toInteger(9223372036854774784.0), 9223372036854774784);
    EXPECT_EQ(toInteger(9223372036854775808.0), kMax);
    EXPECT_EQ(toInteger(-9223372036854775808.0), kMin);
    EXPECT_EQ(toInteger(-INFINITY), kMin);
    EXPECT_EQ(toInteger(NAN), 0);
}

}  // namespace
