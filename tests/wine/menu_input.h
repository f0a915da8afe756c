#pragma once
// Real mouse and keyboard input for the tests of context menus, and a watcher
// that handles a popup menu from another thread as a person at the screen
// would.

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Dispatches this thread's messages until `done` holds or five seconds pass,
// then whatever is still queued.
void pumpUntil(const std::function<bool()>& done);

void sendMouse(DWORD flags);
// Presses and releases `key`, with `modifier` (0: none) held meanwhile.
void sendKey(WORD key, WORD modifier = 0);

// The popup menu window on the screen; null when none shows.
HWND visibleMenuWindow();

// Waits for a popup menu to show, notes where it is and what its entries say
// (a separator as an empty entry), photographs `window` and the menu, and
// types `keys`.
class MenuWatcher {
  public:
    MenuWatcher(HWND window, std::wstring screenshot, std::vector<WORD> keys);
    ~MenuWatcher();
    MenuWatcher(const MenuWatcher&) = delete;
    MenuWatcher& operator=(const MenuWatcher&) = delete;

    std::atomic<bool> finished = false;
    std::atomic<HWND> menu = nullptr;
    RECT place = {};
    std::vector<std::wstring> entries;
    bool shotSaved = false;

  private:
    std::thread thread_;
};
