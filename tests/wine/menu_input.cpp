#include "menu_input.h"

#include "queued_messages.h"
#include "screenshot.h"

void pumpUntil(const std::function<bool()>& done) {
    const DWORD deadline = GetTickCount() + 5000;
    while (!done() && GetTickCount() < deadline) {
        dispatchQueuedMessages();
        Sleep(10);
    }
    dispatchQueuedMessages();
}

void sendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void sendKey(WORD key, WORD modifier) {
    std::vector<INPUT> presses;
    auto press = [&](WORD virtualKey, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        presses.push_back(input);
    };
    if (modifier) {
        press(modifier, 0);
    }
    press(key, 0);
    press(key, KEYEVENTF_KEYUP);
    if (modifier) {
        press(modifier, KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(presses.size()), presses.data(), sizeof(INPUT));
}

HWND visibleMenuWindow() {
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

namespace {

std::vector<std::wstring> menuEntries(HWND menuWindow) {
    std::vector<std::wstring> entries;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), caption, 256, MF_BYPOSITION);
        entries.emplace_back(caption);
    }
    return entries;
}

}  // namespace

MenuWatcher::MenuWatcher(HWND window, std::wstring screenshot, std::vector<WORD> keys)
    : thread_([this, window, screenshot, keys] {
          for (int wait = 0; wait < 250 && !menu; ++wait) {
              Sleep(20);
              menu = visibleMenuWindow();
          }
          if (menu) {
              GetWindowRect(menu, &place);
              entries = menuEntries(menu);
              // The screen's pixels under Wine lack the menu; it draws itself.
              shotSaved = saveScreenshot(window, screenshot) &&
                          savePrintedWindow(menu, screenshot + L"_menu");
              for (WORD key : keys) {
                  sendKey(key);
              }
          }
          finished = true;
      }) {}

MenuWatcher::~MenuWatcher() {
    thread_.join();
}
