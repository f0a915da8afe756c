#include "layout_snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/program_state.h"

RECT placeIn(HWND child, HWND parent) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

SIZE clientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

std::map<HWND, Snapshot> snapshotLayout(HWND window) {
    std::map<HWND, Snapshot> snapshot;
    const ProgramState& state = *programState();
    for (std::int32_t i = 1; i <= count(state.childHandles); ++i) {
        if (state.childPlacements[i].owner == handleOf(window)) {
            HWND child = hwndOf(state.childHandles[i]);
            snapshot[child] = {placeIn(child, GetParent(child)), clientSize(GetParent(child))};
        }
    }
    return snapshot;
}

void expectInProportion(HWND child, const Snapshot& placed, bool fixedHeight) {
    const SIZE now = clientSize(GetParent(child));
    const RECT place = placeIn(child, GetParent(child));
    const double across = static_cast<double>(now.cx) / placed.parent.cx;
    const double down = static_cast<double>(now.cy) / placed.parent.cy;
    EXPECT_NEAR(place.left, placed.place.left * across, 1);
    EXPECT_NEAR(place.top, placed.place.top * down, 1);
    EXPECT_NEAR(place.right, placed.place.right * across, 1);
    EXPECT_NEAR(place.bottom, fixedHeight ? placed.place.bottom : placed.place.bottom * down, 1);
}

void expectInProportion(const std::map<HWND, Snapshot>& placed,
                        const std::vector<HWND>& fixedHeights) {
    for (const auto& [child, was] : placed) {
        SCOPED_TRACE(testing::Message() << "child " << child);
        expectInProportion(child, was,
                           std::count(fixedHeights.begin(), fixedHeights.end(), child) != 0);
    }
}
