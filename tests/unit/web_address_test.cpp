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

TEST(WebAddressTest, OnlyWebAndStreamingAddressesWithAHostGoToTheSystem) {
    for (const char* text : {"http://h/a.mp4", "HTTPS://h", "rtmp://h/live", "RTMPS://h/x",
                             "rtsp://10.0.0.1:554/s", "mms://h/a.asf", "Http://视频/a"}) {
        EXPECT_TRUE(isStreamAddress(text)) << text;
    }
    for (const char* text :
         {"", "rtmp://", "http:///C:/a.exe", "http://\\\\server\\a.exe", "file:///C:/a.exe",
          "C:\\Windows\\notepad.exe", "calc.exe", "cmd /c calc", "javascript:alert('http://h')",
          " http://h/a.mp4", "rtspx://h", "mms:/h", "ftp://h/a.mp4", "视频rtsp://h"}) {
        EXPECT_FALSE(isStreamAddress(text)) << text;
    }
}

TEST(WebAddressTest, AnAddressForTheSystemStaysOneArgument) {
    EXPECT_EQ(addressForSystem("http://h/a.mp4?x=1&y=%20"), "http://h/a.mp4?x=1&y=%20");
    EXPECT_EQ(addressForSystem("http://h/a\" --new-window \"b|c^d<e>f`g{h}\\i\tj\x7F"),
              "http://h/a%22%20--new-window%20%22b%7Cc%5Ed%3Ce%3Ef%60g%7Bh%7D%5Ci%09j%7F");
    EXPECT_EQ(addressForSystem("rtsp://h/视频 1"), "rtsp://h/%E8%A7%86%E9%A2%91%201");
}
