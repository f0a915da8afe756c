#include "proportional_layout.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "common/program_state.h"

namespace {

// The header control inside each list view; the list view places it.
constexpr char kListHeaderClass[] = "SysHeader32";

void recordDescendants(WindowToolkit& toolkit, std::intptr_t window, ProgramState& state) {
    std::deque<std::intptr_t> queue{window};
    while (!queue.empty()) {
        std::intptr_t child = 0;
        while ((child = toolkit.nextChild(queue.front(), child)) != 0) {
            state.childHandles.append(child);
            queue.push_back(child);
        }
        queue.pop_front();
    }
}

void removeEntry(ProgramState& state, std::int32_t index) {
    state.childHandles.remove(index);
    state.childPlacements.remove(index);
}

// The parts of a child's window rectangle in its parent's client area,
// as fractions of that area; false when the area is empty.
bool takeRatios(WindowToolkit& toolkit, std::intptr_t child, ChildPlacement& placement) {
    const std::intptr_t parent = toolkit.parentOf(child);
    const WindowRect client = toolkit.clientRect(parent);
    if (client.right <= 0 || client.bottom <= 0) {
        return false;
    }
    const WindowRect rect = toolkit.windowRect(child);
    const WindowPoint topLeft = toolkit.screenToClient(parent, {rect.left, rect.top});
    const double width = client.right;
    const double height = client.bottom;
    placement.xRatio = topLeft.x / width;
    placement.yRatio = topLeft.y / height;
    placement.widthRatio = (rect.right - rect.left) / width;
    const double childHeight = rect.bottom - rect.top;
    placement.height = placement.fixedHeight == 1 ? childHeight : childHeight / height;
    return true;
}

// A ratio of a client length in whole pixels, truncated toward zero and kept
// inside what a window position can hold.
std::int32_t pixels(double value) {
    constexpr double kLimit = 1 << 30;
    return static_cast<std::int32_t>(std::clamp(std::trunc(value), -kLimit, kLimit));
}

void layOut(WindowToolkit& toolkit, std::intptr_t window, ProgramState& state) {
    for (std::int32_t i = count(state.childHandles); i >= 1; --i) {
        if (!toolkit.isWindow(state.childHandles[i])) {
            removeEntry(state, i);
        }
    }
    for (std::int32_t i = 1; i <= count(state.childHandles); ++i) {
        const ChildPlacement& placement = state.childPlacements[i];
        if (placement.owner != window) {
            continue;
        }
        const std::intptr_t child = state.childHandles[i];
        const WindowRect client = toolkit.clientRect(toolkit.parentOf(child));
        const double width = client.right;
        const double height = client.bottom;
        toolkit.setWindowPos(
            child, pixels(width * placement.xRatio), pixels(height * placement.yRatio),
            pixels(width * placement.widthRatio),
            pixels(placement.fixedHeight == 1 ? placement.height : height * placement.height));
    }
}

}  // namespace

void registerProportionalLayout(std::intptr_t window,
                                const std::vector<std::intptr_t>& comboBoxes) {
    WindowToolkit& toolkit = windowToolkit();
    ProgramState& state = *programState();
    recordDescendants(toolkit, window, state);
    state.childPlacements.resize(count(state.childHandles));
    for (std::int32_t i = 1; i <= count(state.childHandles); ++i) {
        if (std::find(comboBoxes.begin(), comboBoxes.end(), state.childHandles[i]) !=
            comboBoxes.end()) {
            state.childPlacements[i].fixedHeight = 1;
        }
    }
    for (std::int32_t i = count(state.childHandles); i >= 1; --i) {
        if (toolkit.className(state.childHandles[i]) == kListHeaderClass) {
            removeEntry(state, i);
        }
    }
    for (std::int32_t i = 1; i <= count(state.childHandles); ++i) {
        ChildPlacement& placement = state.childPlacements[i];
        if (placement.owner == 0 && takeRatios(toolkit, state.childHandles[i], placement)) {
            placement.owner = window;
        }
    }
    state.layoutWindows.append(window);
    state.layoutPreviousProcs.append(toolkit.installWindowProc(window, proportionalLayoutProc));
}

std::intptr_t NUVRI_WINDOW_PROC proportionalLayoutProc(std::intptr_t window, std::uint32_t message,
                                                       std::uintptr_t wParam,
                                                       std::intptr_t lParam) {
    WindowToolkit& toolkit = windowToolkit();
    ProgramState* state = programState();
    if (!state) {
        return toolkit.defaultWindowProc(window, message, wParam, lParam);
    }
    if (message == kWindowSized) {
        layOut(toolkit, window, *state);
    }
    for (std::int32_t i = 1; i <= count(state->layoutWindows); ++i) {
        if (state->layoutWindows[i] == window) {
            return toolkit.callWindowProc(state->layoutPreviousProcs[i], window, message, wParam,
                                          lParam);
        }
    }
    return toolkit.defaultWindowProc(window, message, wParam, lParam);
}
