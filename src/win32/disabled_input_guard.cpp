#include "disabled_input_guard.h"

namespace {

// Thread hooks shared by all guards of the one GUI thread.
struct Hooks {
    int guards = 0;
    ATOM guardedClass = 0;
    HHOOK messages = nullptr;
    HHOOK focus = nullptr;
};

Hooks hooks;

bool isInsideDisabledGuardedWindow(HWND window) {
    for (HWND current = window; current != nullptr;) {
        if (static_cast<ATOM>(GetClassLongW(current, GCW_ATOM)) == hooks.guardedClass &&
            !IsWindowEnabled(current)) {
            return true;
        }
        if ((GetWindowLongW(current, GWL_STYLE) & WS_CHILD) == 0) {
            return false;
        }
        current = GetParent(current);
    }
    return false;
}

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// Input read from the queue for a guarded window becomes a message that
// nobody acts on.
LRESULT CALLBACK swallowInput(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (isUserInput(message->message) && isInsideDisabledGuardedWindow(message->hwnd)) {
            message->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

// A non-zero answer to HCBT_SETFOCUS refuses the focus change.
LRESULT CALLBACK refuseFocus(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS && isInsideDisabledGuardedWindow(reinterpret_cast<HWND>(wParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DisabledInputGuard::DisabledInputGuard(ATOM guardedClass) {
    if (hooks.guards++ == 0) {
        hooks.guardedClass = guardedClass;
        const DWORD thread = GetCurrentThreadId();
        hooks.messages = SetWindowsHookExW(WH_GETMESSAGE, swallowInput, nullptr, thread);
        hooks.focus = SetWindowsHookExW(WH_CBT, refuseFocus, nullptr, thread);
    }
}

DisabledInputGuard::~DisabledInputGuard() {
    if (--hooks.guards == 0) {
        UnhookWindowsHookEx(hooks.messages);
        UnhookWindowsHookEx(hooks.focus);
        hooks.messages = nullptr;
        hooks.focus = nullptr;
    }
}
