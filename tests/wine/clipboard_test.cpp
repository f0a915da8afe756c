#include "win32/clipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "clipboard_data.h"

TEST(ClipboardTest, HoldsTheGbkBytesAndTheSameTextAsUnicode) {
    ASSERT_TRUE(toClipboard("视频-Nuvri福利下载-http://h/a.mp4"));
    EXPECT_EQ(clipboardData<char>(CF_TEXT), "视频-Nuvri福利下载-http://h/a.mp4");
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT), L"视频-Nuvri福利下载-http://h/a.mp4");

    ASSERT_TRUE(toClipboard(""));
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT), L"");
}
