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

void expectInProportion(const std::map<HWND, Snapshot>& taken,
                        const std::vector<HWND>& fixedHeights) {
    for (const auto& [child, was] : taken) {
        const SIZE now = clientSize(GetParent(child));
        const RECT place = placeIn(child, GetParent(child));
        const double across = static_cast<double>(now.cx) / was.parent.cx;
        const double down = static_cast<double>(now.cy) / was.parent.cy;
        const bool fixed = std::count(fixedHeights.begin(), fixedHeights.end(), child) != 0;
        SCOPED_TRACE(testing::Message() << "child " << child);
        EXPECT_NEAR(place.left, was.place.left * across, 1);
        EXPECT_NEAR(place.top, was.place.top * down, 1);
        EXPECT_NEAR(place.right, was.place.right * across, 1);
        EXPECT_NEAR(place.bottom, fixed ? was.place.bottom : was.place.bottom * down, 1);
    }
}

void expectAtRecordedFractions(HWND window) {
    const ProgramState& state = *programState();
    for (std::int32_t i = 1; i <= count(state.childHandles); ++i) {
        const ChildPlacement& placement = state.childPlacements[i];
        if (placement.owner != handleOf(window)) {
            continue;
        }
        HWND child = hwndOf(state.childHandles[i]);
        const SIZE parent = clientSize(GetParent(child));
        const RECT place = placeIn(child, GetParent(child));
        SCOPED_TRACE(testing::Message() << "child " << i);
        EXPECT_NEAR(place.left, parent.cx * placement.xRatio, 1);
        EXPECT_NEAR(place.top, parent.cy * placement.yRatio, 1);
        EXPECT_NEAR(place.right, parent.cx * placement.widthRatio, 1);
        EXPECT_NEAR(place.bottom,
                    placement.fixedHeight ? placement.height : parent.cy * placement.height, 1);
    }
}
