#include "wait_pointer.h"

#include <windows.h>

namespace {

int fetchesUnderWay = 0;

// Lets the window under the mouse choose its pointer again, as a mouse move
// would, if that window is one of this thread's.
void restorePointer() {
    POINT cursor;
    if (!GetCursorPos(&cursor)) {
        return;
    }
    HWND under = WindowFromPoint(cursor);
    if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) {
        return;
    }
    const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

}  // namespace

WaitPointer::WaitPointer() {
    ++fetchesUnderWay;
    showWaitPointerIfBusy();
}

WaitPointer::~WaitPointer() {
    if (--fetchesUnderWay == 0) {
        restorePointer();
    }
}

bool showWaitPointerIfBusy() {
    if (fetchesUnderWay == 0) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
    return true;
}
