#pragma once
// Answers the message boxes of this thread without a person: when a box is
// activated, its text and caption are recorded and it is closed with a
// chosen button.

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

  private:
    static LRESULT CALLBACK onHook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_;
    int answer_;
};
