#include "catalogue/web_address.h"

#include <gtest/gtest.h>

#include "common/address_encoding.h"

TEST(WebAddressTest, HttpAndHttpsAddressesInAnyCaseAreWebAddresses) {
    EXPECT_TRUE(isWebAddress("http://127.0.0.1:8460/download/2-v1.mp4"));
    EXPECT_TRUE(isWebAddress("HTTPS://h/视频.mp4"));
    EXPECT_TRUE(isWebAddress("Http://h"));
}

TEST(WebAddressTest, PathsOtherSchemesAndBareSchemesAreNot) {
    for (const char* text :
         {"", "http://", "https://", "C:\\Windows\\notepad.exe", "\\\\server\\share\\a.exe",
          "file:///C:/a.exe", "calc", " http://h/a.mp4", "httpx://h", "http:/h", "视频http://h"}) {
        EXPECT_FALSE(isWebAddress(text)) << text;
    }
}

// Run natively and under Wine: both code-page services give the same bytes.
TEST(WebAddressTest, CharactersOutsideAsciiTravelAsPercentEncodedUtf8) {
    EXPECT_EQ(percentEncodeNonAscii("http://127.0.0.1:8460/Nuvri公告.txt"),
              "http://127.0.0.1:8460/Nuvri%E5%85%AC%E5%91%8A.txt");
    // Blanks, existing escapes and queries stay; a character whose second
    // byte is ASCII ("\x98\x5A", U+698B) is encoded whole.
    EXPECT_EQ(percentEncodeNonAscii("http://h/a b%20c?f=视频&x=1"),
              "http://h/a b%20c?f=%E8%A7%86%E9%A2%91&x=1");
    EXPECT_EQ(percentEncodeNonAscii("http://h/\x98\x5AZ"), "http://h/%E6%A6%8BZ");
    EXPECT_EQ(percentEncodeNonAscii("http://127.0.0.1:8460/000.txt"),
              "http://127.0.0.1:8460/000.txt");
    EXPECT_EQ(percentEncodeNonAscii(""), "");
}
