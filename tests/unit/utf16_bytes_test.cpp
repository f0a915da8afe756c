#include "http/utf16_bytes.h"

#include <gtest/gtest.h>

#include "http/charset_decoding.h"

TEST(Utf16BytesTest, GbkTextBecomesLittleEndianUtf16WithItsTerminator) {
    EXPECT_EQ(gbkToUtf16(""), Bytes{});
    EXPECT_EQ(gbkToUtf16("中a"), (Bytes{0x2D, 0x4E, 0x61, 0x00, 0x00, 0x00}));
    EXPECT_EQ(gbkToUtf16("中a", true), (Bytes{0x2D, 0x4E, 0x61, 0x00}));
}

TEST(Utf16BytesTest, Utf16BecomesGbkUpToTheFirstZeroCharacter) {
    EXPECT_EQ(utf16ToGbk({0x2D, 0x4E, 0x61, 0x00, 0x00, 0x00, 0x62, 0x00}), "中a");
    EXPECT_EQ(utf16ToGbk({0x61, 0x00, 0x62}), "a");  // the odd last byte is no character
    EXPECT_EQ(utf16ToGbk({}), "");
}

TEST(CharsetDecodingTest, CharsetNamesMapToCodePagesIgnoringCase) {
    EXPECT_EQ(charsetCodePage("UTF-8"), 65001u);
    EXPECT_EQ(charsetCodePage("Shift_JIS"), 932u);
    EXPECT_EQ(charsetCodePage("windows-1258"), 1258u);
    EXPECT_EQ(charsetCodePage("windows-1259"), 0u);
    EXPECT_EQ(charsetCodePage(""), 0u);
}
