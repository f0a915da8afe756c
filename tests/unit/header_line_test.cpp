#include "http/header_line.h"

#include <gtest/gtest.h>

TEST(HeaderLineTest, OnlyTheFirstColonSplitsAndBothSidesAreTrimmed) {
    EXPECT_EQ(headerName("X-Time: 10:30"), "X-Time");
    EXPECT_EQ(headerValue("X-Time: 10:30"), "10:30");
    EXPECT_EQ(headerName("\xA1\xA1 Name \t:\xA1\xA1 值 "), "Name");
    EXPECT_EQ(headerValue("\xA1\xA1 Name \t:\xA1\xA1 值 "), "值");
    EXPECT_EQ(headerName(":v"), "");
    EXPECT_EQ(headerValue("n:"), "");
}

TEST(HeaderLineTest, ALineWithoutAColonHasNeitherNameNorValue) {
    EXPECT_EQ(headerName("no colon"), "");
    EXPECT_EQ(headerValue("no colon"), "");
    EXPECT_EQ(headerName(""), "");
}
