#include "top_level_window.h"

#include "wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriTopLevelWindow";

WindowEvents* eventsOf(HWND window) {
    return reinterpret_cast<WindowEvents*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK topLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    WindowEvents* events = eventsOf(window);
    if (!events) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE:
            events->onCreate(window);
            return 0;
        case WM_COMMAND:
            if (events->onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
                return 0;
            }
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (events->onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return result;
            }
            break;
        }
        case WM_DESTROY:
            // Stop dispatching to the owner before it may go away.
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            events->onDestroy();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = topLevelProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    return registered;
}

}  // namespace

HWND createTopLevelWindow(const Text& title, int width, int height, WindowEvents& events) {
    if (!registerClass()) {
        return nullptr;
    }
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, toWide(title).c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, left, top, width, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), &events);
    if (window) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

int runMessageLoop(HWND window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsWindow(window) && IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
