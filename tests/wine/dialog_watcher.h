#pragma once
// Answers the message boxes of this thread without a person: each box is
// closed with a chosen button, and its text and caption are recorded as it
// closes.

#include <windows.h>

#include <string>

class DialogWatcher {
  public:
    explicit DialogWatcher(int answer);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    std::wstring text;
    std::wstring caption;
    int boxesSeen = 0;
    // The last box's owner window, and whether it showed an icon.
    HWND owner = nullptr;
    bool showedIcon = false;

  private:
    static LRESULT CALLBACK onHook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_;
    HWND box_ = nullptr;
    int answer_;
};
