#include "skin_hook.h"

#include <windows.h>

#include "skin_session.h"

namespace {

HHOOK hook = nullptr;

LRESULT CALLBACK cbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* creation = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        skinNewWindow(reinterpret_cast<HWND>(wParam), creation->lpcs->style);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

// A thread hook needs no module handle when its procedure lives in this
// process, which suits a library that the loader may have put anywhere.
bool installSkinHook() {
    hook = SetWindowsHookExW(WH_CBT, cbtProc, nullptr, GetCurrentThreadId());
    return hook != nullptr;
}

void removeSkinHook() {
    if (hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}
