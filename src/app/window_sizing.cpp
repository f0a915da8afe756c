#include "window_sizing.h"

#include <cstring>

#include "common/program_state.h"

void installSizeLimits(std::intptr_t window, std::int32_t minWidth, std::int32_t minHeight,
                       std::int32_t maxWidth, std::int32_t maxHeight) {
    ProgramState& state = *programState();
    state.sizeLimits = {minWidth, minHeight, maxWidth, maxHeight};
    state.previousWindowProc = windowToolkit().installWindowProc(window, sizeLimitProc);
}

std::intptr_t NUVRI_WINDOW_PROC sizeLimitProc(std::intptr_t window, std::uint32_t message,
                                              std::uintptr_t wParam, std::intptr_t lParam) {
    WindowToolkit& toolkit = windowToolkit();
    const ProgramState* state = programState();
    // After the end procedure the replaced procedure is no longer known.
    if (!state || !state->previousWindowProc) {
        return toolkit.defaultWindowProc(window, message, wParam, lParam);
    }
    if (message == kGetMinMaxInfo && lParam) {
        MinMaxInfo info;
        std::memcpy(&info, reinterpret_cast<const void*>(lParam), sizeof info);
        info.minTrackSize = {state->sizeLimits[0], state->sizeLimits[1]};
        info.maxTrackSize = {state->sizeLimits[2], state->sizeLimits[3]};
        toolkit.updateWindow(window);
        std::memcpy(reinterpret_cast<void*>(lParam), &info, sizeof info);
    }
    return toolkit.callWindowProc(state->previousWindowProc, window, message, wParam, lParam);
}
