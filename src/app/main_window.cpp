#include "main_window.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriMainWindow";
constexpr int kWidth = 960;
constexpr int kHeight = 706;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool createMainWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) {
        return false;
    }
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window =
        CreateWindowExW(0, kClassName, toWide("Nuvri福利视频播放器").c_str(), WS_OVERLAPPEDWINDOW,
                        left, top, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return false;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return true;
}
