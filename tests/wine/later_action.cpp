#include "later_action.h"

#include <windows.h>

namespace {

std::function<void()> laterAction;
bool laterActionRan = false;
bool firstActionRunning = false;

LRESULT CALLBACK laterActionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    laterActionRan = firstActionRunning;
    std::function<void()> action = std::move(laterAction);
    laterAction = nullptr;
    action();
    return 0;
}

HWND laterActionWindow() {
    static const HWND window = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = laterActionProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"NuvriLaterAction";
        RegisterClassW(&windowClass);
        return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                               nullptr, windowClass.hInstance, nullptr);
    }();
    return window;
}

}  // namespace

bool overtake(const std::function<void()>& first, std::function<void()> later) {
    laterAction = std::move(later);
    laterActionRan = false;
    PostMessageW(laterActionWindow(), WM_APP, 0, 0);
    firstActionRunning = true;
    first();
    firstActionRunning = false;
    return laterActionRan;
}
