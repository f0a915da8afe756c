#pragma once
// Keeps mouse, keyboard and focus away from every window inside a disabled
// window of one class. Disabling a window does not disable the windows that a
// hosted component creates inside it, and the component may hand them focus
// or read messages posted to them; this guard stops both on the GUI thread.

#include <windows.h>

class DisabledInputGuard {
  public:
    // Guards windows of class `guardedClass` while any guard exists. The
    // thread has one pair of hooks, so every guard names the same class.
    explicit DisabledInputGuard(ATOM guardedClass);
    ~DisabledInputGuard();
    DisabledInputGuard(const DisabledInputGuard&) = delete;
    DisabledInputGuard& operator=(const DisabledInputGuard&) = delete;
};
