#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "win32/clipboard.h"

namespace {

// The clipboard's data in `format` as raw bytes up to its terminator.
template <class Char>
std::basic_string<Char> clipboardData(UINT format) {
    std::basic_string<Char> data;
    if (!OpenClipboard(nullptr)) {
        return data;
    }
    if (HANDLE block = GetClipboardData(format)) {
        if (const auto* text = static_cast<const Char*>(GlobalLock(block))) {
            data = text;
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return data;
}

}  // namespace

TEST(ClipboardTest, HoldsTheGbkBytesAndTheSameTextAsUnicode) {
    ASSERT_TRUE(toClipboard("视频-Nuvri福利下载-http://h/a.mp4"));
    EXPECT_EQ(clipboardData<char>(CF_TEXT), "视频-Nuvri福利下载-http://h/a.mp4");
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT), L"视频-Nuvri福利下载-http://h/a.mp4");

    ASSERT_TRUE(toClipboard(""));
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT), L"");
}
