#include "message_pump.h"

#include <windows.h>

namespace {

// The last look at the queue, in performance-counter ticks.
LONGLONG lastLook = 0;

bool lookedWithinAMillisecond() {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    if (lastLook != 0 && (now.QuadPart - lastLook) * 1000 < frequency.QuadPart) {
        return true;
    }
    lastLook = now.QuadPart;
    return false;
}

}  // namespace

void processPendingEvents() {
    if (lookedWithinAMillisecond()) {
        return;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
