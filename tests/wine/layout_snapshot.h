#pragma once
// Where the children of a laid-out window are, compared with where they were
// when the layout took its proportions.

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

// A child's place and its parent's client size when the layout was taken.
struct Snapshot {
    RECT place;
    SIZE parent;
};

// Every child that `window`'s layout owns, as it is now.
std::map<HWND, Snapshot> snapshotLayout(HWND window);

// Each child sits at the fractions of its parent's client area that it had
// when the layout was taken, within a pixel; `fixedHeights` keep their height.
void expectInProportion(const std::map<HWND, Snapshot>& taken,
                        const std::vector<HWND>& fixedHeights);

// Each child that `window`'s layout owns sits at the fractions of its
// parent's client area that the layout recorded for it, within a pixel;
// fixed-height children at their recorded height in pixels.
void expectAtRecordedFractions(HWND window);
