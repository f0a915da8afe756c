#include "screenshot.h"

#include <gtest/gtest.h>

TEST(ScreenshotTest, SavesAWindowWithChineseInterfaceTextAsPng) {
    HWND window = CreateWindowW(L"STATIC", L"界面字体：中文", WS_POPUP | WS_VISIBLE | WS_BORDER, 10,
                                10, 240, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    EXPECT_TRUE(saveScreenshot(window, L"interface_font"));
    DestroyWindow(window);
}
