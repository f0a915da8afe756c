#include "common/program_state.h"

#include <gtest/gtest.h>

TEST(ProgramStateTest, LivesFromStartUpToTheEndProcedure) {
    EXPECT_EQ(programState(), nullptr);
    onProgramEnd();  // the window closed before start-up finished: nothing to release

    createProgramState();
    ProgramState* state = programState();
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(count(state->itemTitles), 0);
    EXPECT_EQ(count(state->childPlacements), 0);
    EXPECT_FALSE(state->lastRowText);
    EXPECT_FALSE(state->downloadListText);

    appendElement(state->itemTitles, Text("标题"));
    appendElement(state->itemAddresses, Text("http://h/1.mp4"));
    appendElement(state->childPlacements, ChildPlacement{});
    state->lastRowText = "标题";
    onProgramEnd();
    EXPECT_EQ(programState(), nullptr);
    onProgramEnd();
    EXPECT_EQ(programState(), nullptr);
}

namespace {
// What the state still held when the skin was destroyed.
struct SkinRelease {
    bool called = false;
    std::int32_t titles = -1;
    std::int32_t placements = -1;
};
SkinRelease skinRelease;

void recordSkinRelease(SkinBinding*) {
    skinRelease = {true, count(programState()->itemTitles), count(programState()->childPlacements)};
}
}  // namespace

TEST(ProgramStateTest, TheSkinIsDestroyedAfterTheRowsAndBeforeTheLayoutRecords) {
    static int token;
    createProgramState(ProgramSkin(reinterpret_cast<SkinBinding*>(&token), recordSkinRelease));
    appendElement(programState()->itemTitles, Text("标题"));
    appendElement(programState()->childPlacements, ChildPlacement{});

    onProgramEnd();

    EXPECT_TRUE(skinRelease.called);
    EXPECT_EQ(skinRelease.titles, 0);
    EXPECT_EQ(skinRelease.placements, 1);
}
