#include "common/variant.h"

#include <gtest/gtest.h>

TEST(VariantTest, TextRoundTripsThroughUtf16) {
    Variant v = textValue("中文abc");
    EXPECT_EQ(std::get<std::u16string>(v.value), u"中文abc");
    EXPECT_EQ(asText(v), "中文abc");
}
