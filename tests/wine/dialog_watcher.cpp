#include "dialog_watcher.h"

namespace {
DialogWatcher* active = nullptr;

std::wstring windowText(HWND window) {
    wchar_t buffer[2048] = {};
    GetWindowTextW(window, buffer, 2048);
    return buffer;
}

// A message box shows its icon in a static control of icon style that is
// shown and holds an icon.
BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    // The box itself is already hidden as it closes: look at the control's own style.
    if ((style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE) &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
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
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && active && window != active->box_) {
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (std::wstring(className) == L"#32770") {
            active->box_ = window;
            ++active->boxesSeen;
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(active->answer_, BN_CLICKED), 0);
        }
    } else if (code == HCBT_DESTROYWND && active && window == active->box_) {
        // Read as the box closes: a task-modal box is activated before its
        // text is set.
        active->text = windowText(GetDlgItem(window, 0xFFFF));  // the text's static control
        active->caption = windowText(window);
        active->owner = GetWindow(window, GW_OWNER);
        active->showedIcon = false;
        EnumChildWindows(window, findIcon, reinterpret_cast<LPARAM>(&active->showedIcon));
        active->box_ = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
