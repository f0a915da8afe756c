#include "top_level_window.h"

#include <windowsx.h>

#include <algorithm>

#include "dropped_files.h"
#include "program_icon.h"
#include "wait_pointer.h"
#include "wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriTopLevelWindow";

// The size asked of the window being created. The system bounds a new window
// by the screen before it has content; the window is built at the size asked
// instead, so its children's proportions come out as designed, and is then
// brought into the work area.
SIZE requestedSize = {};

void allowRequestedSize(MINMAXINFO& info) {
    info.ptMaxTrackSize.x = std::max(info.ptMaxTrackSize.x, requestedSize.cx);
    info.ptMaxTrackSize.y = std::max(info.ptMaxTrackSize.y, requestedSize.cy);
}

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
        // The first size query comes before WM_NCCREATE.
        if (message == WM_GETMINMAXINFO) {
            allowRequestedSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        }
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
        case WM_SIZE:
            events->onSized();
            break;
        case WM_DROPFILES:
            events->onFilesDropped(takeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (events->onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return result;
            }
            break;
        }
        case WM_CONTEXTMENU:
            events->onContextMenu(reinterpret_cast<HWND>(wParam),
                                  {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETCURSOR:
            // Children ask their parent first: one answer covers every control.
            if (showWaitPointerIfBusy()) {
                return TRUE;
            }
            break;
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

// The program's icon at the size the system uses for the metrics given; null,
// and so the system's default icon, in a program file without it.
HICON programIcon(int widthMetric, int heightMetric) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(NUVRI_PROGRAM_ICON), IMAGE_ICON,
                   GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

bool registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = topLevelProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = programIcon(SM_CXICON, SM_CYICON);
        windowClass.hIconSm = programIcon(SM_CXSMICON, SM_CYSMICON);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    return registered;
}

// A window larger than the work area is shrunk to it and centred in it; its
// own size handling then lays out its content for the new size.
void fitIntoWorkArea(HWND window) {
    RECT work;
    RECT frame;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) || !GetWindowRect(window, &frame)) {
        return;
    }
    const LONG workWidth = work.right - work.left;
    const LONG workHeight = work.bottom - work.top;
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    if (width <= workWidth && height <= workHeight) {
        return;
    }
    const LONG fittedWidth = std::min(width, workWidth);
    const LONG fittedHeight = std::min(height, workHeight);
    SetWindowPos(window, nullptr, work.left + (workWidth - fittedWidth) / 2,
                 work.top + (workHeight - fittedHeight) / 2, fittedWidth, fittedHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND createTopLevelWindow(const Text& title, int width, int height, WindowEvents& events) {
    if (!registerClass()) {
        return nullptr;
    }
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    requestedSize = {width, height};
    HWND window =
        CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES, kClassName, toWide(title).c_str(),
                        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, left, top, width, height, nullptr,
                        nullptr, GetModuleHandleW(nullptr), &events);
    if (window) {
        fitIntoWorkArea(window);
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

bool takeWindowKeys(HWND window, HACCEL shortcuts, MSG& message) {
    if (!IsWindow(window)) {
        return false;
    }
    const bool inWindow = message.hwnd == window || IsChild(window, message.hwnd);
    if (shortcuts && inWindow && TranslateAcceleratorW(window, shortcuts, &message)) {
        return true;
    }
    return IsDialogMessageW(window, &message) != FALSE;
}

int runMessageLoop(HWND window, HACCEL shortcuts) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (takeWindowKeys(window, shortcuts, message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
