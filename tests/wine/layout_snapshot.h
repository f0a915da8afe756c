#pragma once
// Where the children of a laid-out window are, compared with where they were
// placed at first: as the layout found them, or as the test designed them.

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

inline std::intptr_t handleOf(HWND window) {
    return reinterpret_cast<std::intptr_t>(window);
}

inline HWND hwndOf(std::intptr_t handle) {
    return reinterpret_cast<HWND>(handle);
}

// left, top, width, height in the parent's client area.
RECT placeIn(HWND child, HWND parent);
SIZE clientSize(HWND window);

// A child's place and the client size of its parent that it was placed in.
struct Snapshot {
    RECT place;
    SIZE parent;
};

// Every child that `window`'s layout owns, as it is now.
std::map<HWND, Snapshot> snapshotLayout(HWND window);

// `child` sits at the fractions of its parent's client area that it had
// when `placed`, within a pixel; with `fixedHeight` it keeps its height.
void expectInProportion(HWND child, const Snapshot& placed, bool fixedHeight);

// The same for each child in `placed`; `fixedHeights` keep their height.
void expectInProportion(const std::map<HWND, Snapshot>& placed,
                        const std::vector<HWND>& fixedHeights);
