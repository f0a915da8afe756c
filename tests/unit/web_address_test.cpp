#include <gtest/gtest.h>

#include "catalogue/web_address.h"

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
