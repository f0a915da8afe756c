#include "win32/message_pump.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

int handled = 0;

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ++handled;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND countingWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = countingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MessagePumpTest";
    RegisterClassW(&windowClass);
    return CreateWindowW(L"MessagePumpTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

}  // namespace

TEST(MessagePumpTest, DispatchesEveryQueuedMessageAndReturns) {
    HWND window = countingWindow();
    ASSERT_NE(window, nullptr);
    handled = 0;
    for (int i = 0; i < 50; ++i) {
        PostMessageW(window, WM_APP, 0, 0);
    }
    processPendingEvents();
    EXPECT_EQ(handled, 50);
    DestroyWindow(window);
}

TEST(MessagePumpTest, LeavesAQuitMessageForTheMainLoop) {
    HWND window = countingWindow();
    handled = 0;
    PostQuitMessage(7);
    PostMessageW(window, WM_APP, 0, 0);
    processPendingEvents();

    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    DestroyWindow(window);
    processPendingEvents();
}
