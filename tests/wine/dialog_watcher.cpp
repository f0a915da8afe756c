#include "dialog_watcher.h"

namespace {
DialogWatcher* active = nullptr;

std::wstring windowText(HWND window) {
    wchar_t buffer[2048] = {};
    GetWindowTextW(window, buffer, 2048);
    return buffer;
}
}  // namespace

DialogWatcher::DialogWatcher(int answer)
    : hook_(SetWindowsHookExW(WH_CBT, onHook, nullptr, GetCurrentThreadId())), answer_(answer) {
    active = this;
}

DialogWatcher::~DialogWatcher() {
    UnhookWindowsHookEx(hook_);
    active = nullptr;
}

LRESULT CALLBACK DialogWatcher::onHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && active) {
        HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t className[32] = {};
        GetClassNameW(box, className, 32);
        if (std::wstring(className) == L"#32770") {
            // The message box's text is its static control 0xFFFF.
            active->text = windowText(GetDlgItem(box, 0xFFFF));
            active->caption = windowText(box);
            ++active->boxesSeen;
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(active->answer_, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
