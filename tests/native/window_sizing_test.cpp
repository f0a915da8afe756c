// The size-limit hook on a stand-in window.
#include "app/window_sizing.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/program_state.h"
#include "fake_window_tree.h"

namespace {

MinMaxInfo seenByWindow;
std::vector<std::uint32_t> seen;

std::intptr_t NUVRI_WINDOW_PROC ownProc(std::intptr_t, std::uint32_t message, std::uintptr_t,
                                        std::intptr_t lParam) {
    seen.push_back(message);
    if (message == kGetMinMaxInfo && lParam) {
        seenByWindow = *reinterpret_cast<const MinMaxInfo*>(lParam);
    }
    return 7;
}

class WindowSizingTest : public testing::Test {
  protected:
    void SetUp() override {
        resetFakeWindowTree();
        createProgramState();
        seen.clear();
        window = fakeWindowTree().add(0, "NuvriTopLevelWindow", 0, 0, 960, 706);
        fakeWindowTree().installWindowProc(window, ownProc);
        installSizeLimits(window, 800, 444, 3840, 2160);
    }
    void TearDown() override { onProgramEnd(); }

    std::intptr_t window = 0;
};

TEST_F(WindowSizingTest, SizeQueryGetsOnlyTheTrackingSizesAndRepaintsTheWindow) {
    EXPECT_EQ(programState()->sizeLimits, (std::array<std::int32_t, 4>{800, 444, 3840, 2160}));
    MinMaxInfo info = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
    EXPECT_EQ(
        fakeWindowTree().send(window, kGetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info)),
        7);

    EXPECT_EQ(info.reserved.x, 1);
    EXPECT_EQ(info.reserved.y, 2);
    EXPECT_EQ(info.maxSize.x, 3);
    EXPECT_EQ(info.maxSize.y, 4);
    EXPECT_EQ(info.maxPosition.x, 5);
    EXPECT_EQ(info.maxPosition.y, 6);
    EXPECT_EQ(info.minTrackSize.x, 800);
    EXPECT_EQ(info.minTrackSize.y, 444);
    EXPECT_EQ(info.maxTrackSize.x, 3840);
    EXPECT_EQ(info.maxTrackSize.y, 2160);
    // The window's own procedure sees the limits already set.
    EXPECT_EQ(seenByWindow.minTrackSize.x, 800);
    EXPECT_EQ(seenByWindow.maxTrackSize.y, 2160);
    EXPECT_EQ(fakeWindowTree().repainted, std::vector<std::intptr_t>{window});
}

TEST_F(WindowSizingTest, OtherMessagesAndAnEmptyQueryPassThroughUntouched) {
    EXPECT_EQ(fakeWindowTree().send(window, kWindowSized, 0, 0x01000200), 7);
    EXPECT_EQ(fakeWindowTree().send(window, kGetMinMaxInfo, 0, 0), 7);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{kWindowSized, kGetMinMaxInfo}));
    EXPECT_TRUE(fakeWindowTree().repainted.empty());
}

TEST_F(WindowSizingTest, AfterTheEndProcedureMessagesGoToTheDefaultProcedure) {
    onProgramEnd();
    MinMaxInfo info{};
    EXPECT_EQ(
        fakeWindowTree().send(window, kGetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info)),
        0);
    EXPECT_EQ(info.minTrackSize.x, 0);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(fakeWindowTree().defaultHandled, std::vector<std::intptr_t>{window});
}

}  // namespace
