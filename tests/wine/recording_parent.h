#pragma once
// A visible top-level window to put controls in, which records the
// notifications its children send it.

#include <windows.h>

#include <vector>

struct RecordedNotice {
    UINT message;  // WM_COMMAND or WM_NOTIFY
    HWND from;
    int controlId;
    UINT code;
    // Only for a WM_NOTIFY whose data is a RollupEntryClicked.
    int group = -1;
    int entry = -1;
};

class RecordingParent {
  public:
    // A borderless window at the screen's top left with a plain `background`.
    RecordingParent(int width, int height, COLORREF background = GetSysColor(COLOR_BTNFACE));
    ~RecordingParent();
    RecordingParent(const RecordingParent&) = delete;
    RecordingParent& operator=(const RecordingParent&) = delete;

    HWND window() const { return window_; }
    const std::vector<RecordedNotice>& notices() const { return notices_; }
    // Paints the window and its children now, as a user would see them.
    void paintNow() const;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    COLORREF background_;
    std::vector<RecordedNotice> notices_;
};
