#pragma once
// The pointer that tells the user a fetch is under way. While a WaitPointer
// lives, the mouse pointer over the program's windows is the system's
// working-in-background pointer (the window still answers while a fetch
// waits); the usual pointer comes back when the last one ends, whether the
// fetch succeeded, failed or was overtaken by a later action.

class WaitPointer {
  public:
    WaitPointer();
    ~WaitPointer();
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;
};

// For the top-level window's WM_SETCURSOR: shows the wait pointer and returns
// true while a fetch is under way; false otherwise, leaving the pointer to
// the window under it.
bool showWaitPointerIfBusy();
