// The re-layout on a tree of stand-in windows.
#include "app/proportional_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/window_sizing.h"
#include "common/program_state.h"
#include "fake_window_tree.h"

namespace {

struct SeenMessage {
    std::intptr_t window;
    std::uint32_t message;
    std::size_t movesBefore;  // moves the tree had made when it arrived
    bool operator==(const SeenMessage&) const = default;
};

std::vector<SeenMessage> seen;

// The windows' own procedure: records what reaches it.
std::intptr_t NUVRI_WINDOW_PROC ownProc(std::intptr_t window, std::uint32_t message, std::uintptr_t,
                                        std::intptr_t) {
    seen.push_back({window, message, fakeWindowTree().moves.size()});
    return 42;
}

constexpr std::uint32_t kPaint = 0x000F;

class ProportionalLayoutTest : public testing::Test {
  protected:
    void SetUp() override {
        resetFakeWindowTree();
        createProgramState();
        seen.clear();
        // Created in this order; recorded breadth first as box, label, button,
        // list, combo. The combo box is parked below its group box.
        top = tree().add(0, "NuvriTopLevelWindow", 100, 50, 800, 600);
        box = tree().add(top, "NuvriGroupBox", 10, 20, 400, 300);
        list = tree().add(box, "SysListView32", 4, 16, 392, 200);
        header = tree().add(list, "SysHeader32", 0, 0, 392, 20);
        combo = tree().add(box, "ComboBox", 8, 320, 200, 20);
        label = tree().add(top, "Static", 420, 30, 100, 20);
        button = tree().add(top, "Button", -5, -3, 30, 10);
        tree().installWindowProc(top, ownProc);
    }
    void TearDown() override { onProgramEnd(); }

    static FakeWindowTree& tree() { return fakeWindowTree(); }
    static ProgramState& state() { return *programState(); }
    static std::vector<std::intptr_t> handles() {
        return {state().childHandles.begin(), state().childHandles.end()};
    }
    static const ChildPlacement& placementOf(std::intptr_t child) {
        for (std::int32_t i = 1; i <= count(state().childHandles); ++i) {
            if (state().childHandles[i] == child) {
                return state().childPlacements[i];
            }
        }
        ADD_FAILURE() << "no entry for " << child;
        static const ChildPlacement none;
        return none;
    }
    void resize(std::intptr_t window, std::int32_t width, std::int32_t height) {
        tree().resizeClient(window, width, height);
        tree().moves.clear();
        tree().send(window, kWindowSized);
    }

    std::intptr_t top, box, list, header, combo, label, button;
};

TEST_F(ProportionalLayoutTest, RecordsDescendantsBreadthFirstWithoutListHeaders) {
    registerProportionalLayout(top, {combo});

    EXPECT_EQ(handles(), (std::vector<std::intptr_t>{box, label, button, list, combo}));
    ASSERT_EQ(count(state().childPlacements), 5);
    const ChildPlacement& boxPlace = placementOf(box);
    EXPECT_DOUBLE_EQ(boxPlace.xRatio, 10.0 / 800);
    EXPECT_DOUBLE_EQ(boxPlace.yRatio, 20.0 / 600);
    EXPECT_DOUBLE_EQ(boxPlace.widthRatio, 400.0 / 800);
    EXPECT_DOUBLE_EQ(boxPlace.height, 300.0 / 600);
    EXPECT_EQ(boxPlace.fixedHeight, 0);
    const ChildPlacement& comboPlace = placementOf(combo);
    EXPECT_DOUBLE_EQ(comboPlace.yRatio, 320.0 / 300);
    EXPECT_DOUBLE_EQ(comboPlace.height, 20);
    EXPECT_EQ(comboPlace.fixedHeight, 1);
    for (const ChildPlacement& placement : state().childPlacements) {
        EXPECT_EQ(placement.owner, top);
    }
    EXPECT_EQ(state().layoutWindows, Table<std::intptr_t>{top});
    EXPECT_EQ(state().layoutPreviousProcs,
              Table<std::intptr_t>{reinterpret_cast<std::intptr_t>(ownProc)});
    EXPECT_EQ(tree().window(top).procedure,
              reinterpret_cast<std::intptr_t>(proportionalLayoutProc));
}

TEST_F(ProportionalLayoutTest, ResizeScalesChildrenInListOrderBeforeTheWindowSeesIt) {
    registerProportionalLayout(top, {combo});
    resize(top, 1000, 900);

    // Fractions of a pixel are cut off toward zero, also left of the origin;
    // the combo box keeps its 20 pixels and stays below its group box.
    const std::vector<FakeMove> expected = {
        {box, 12, 30, 500, 450}, {label, 525, 45, 125, 30}, {button, -6, -4, 37, 15},
        {list, 5, 24, 490, 300}, {combo, 10, 480, 250, 20},
    };
    EXPECT_EQ(tree().moves, expected);
    EXPECT_EQ(seen, (std::vector<SeenMessage>{{top, kWindowSized, 5}}));

    // The same size again puts every child at the same place.
    resize(top, 1000, 900);
    EXPECT_EQ(tree().moves, expected);
}

TEST_F(ProportionalLayoutTest, MinimisingShrinksEverythingAndRestoringBringsItBack) {
    registerProportionalLayout(top, {combo});
    resize(top, 0, 0);
    for (const FakeMove& move : tree().moves) {
        EXPECT_EQ(move.width, 0) << move.window;
        EXPECT_EQ(move.height, move.window == combo ? 20 : 0) << move.window;
    }
    resize(top, 800, 600);
    EXPECT_EQ(tree().placeOf(box), (FakePlace{10, 20, 400, 300}));
    EXPECT_EQ(tree().placeOf(list), (FakePlace{4, 16, 392, 200}));
    EXPECT_EQ(tree().placeOf(combo), (FakePlace{8, 320, 200, 20}));
    EXPECT_EQ(tree().placeOf(button), (FakePlace{-5, -3, 30, 10}));
}

TEST_F(ProportionalLayoutTest, SecondWindowAddsItsOwnEntriesAndLeavesTheFirstAlone) {
    registerProportionalLayout(top, {combo});
    const std::vector<std::intptr_t> first = handles();
    const std::vector<ChildPlacement> firstPlaces(state().childPlacements.begin(),
                                                  state().childPlacements.end());
    // The first window is resized without being told: its ratios stay as taken.
    tree().resizeClient(top, 1600, 1200);
    const std::intptr_t other = tree().add(0, "NuvriTopLevelWindow", 0, 0, 200, 100);
    const std::intptr_t otherButton = tree().add(other, "Button", 20, 10, 100, 50);
    tree().installWindowProc(other, ownProc);

    registerProportionalLayout(other, {});

    std::vector<std::intptr_t> both = first;
    both.push_back(otherButton);
    EXPECT_EQ(handles(), both);
    ASSERT_EQ(count(state().childPlacements), 6);
    for (std::size_t i = 0; i < firstPlaces.size(); ++i) {
        const ChildPlacement& kept = state().childPlacements[static_cast<std::int32_t>(i) + 1];
        EXPECT_EQ(kept.xRatio, firstPlaces[i].xRatio);
        EXPECT_EQ(kept.height, firstPlaces[i].height);
        EXPECT_EQ(kept.owner, top);
    }
    EXPECT_EQ(placementOf(otherButton).owner, other);

    resize(other, 400, 300);
    EXPECT_EQ(tree().moves, (std::vector<FakeMove>{{otherButton, 40, 30, 200, 150}}));
    resize(top, 800, 600);
    EXPECT_EQ(tree().moves.size(), 5u);
    EXPECT_EQ(seen, (std::vector<SeenMessage>{{other, kWindowSized, 1}, {top, kWindowSized, 5}}));
}

TEST_F(ProportionalLayoutTest, DestroyedChildrenAreDroppedAtTheNextResize) {
    registerProportionalLayout(top, {combo});
    tree().window(label).alive = false;
    tree().window(list).alive = false;
    resize(top, 800, 600);

    EXPECT_EQ(handles(), (std::vector<std::intptr_t>{box, button, combo}));
    ASSERT_EQ(count(state().childPlacements), 3);
    // The records moved with their handles.
    EXPECT_DOUBLE_EQ(state().childPlacements[2].xRatio, -5.0 / 800);
    EXPECT_EQ(state().childPlacements[3].fixedHeight, 1);
    EXPECT_EQ(tree().moves.size(), 3u);
}

TEST_F(ProportionalLayoutTest, ChildOfAnEmptyParentIsLeftWhereItIs) {
    const std::intptr_t empty = tree().add(top, "NuvriGroupBox", 0, 0, 300, 0);
    const std::intptr_t inside = tree().add(empty, "Button", 5, 5, 20, 20);
    registerProportionalLayout(top, {});

    const ChildPlacement& unowned = placementOf(inside);
    EXPECT_EQ(unowned.owner, 0);
    EXPECT_EQ(unowned.xRatio, 0);
    EXPECT_EQ(unowned.height, 0);
    EXPECT_EQ(placementOf(empty).owner, top);
    resize(top, 1600, 1200);
    for (const FakeMove& move : tree().moves) {
        EXPECT_NE(move.window, inside);
    }
    EXPECT_EQ(tree().placeOf(inside), (FakePlace{5, 5, 20, 20}));
}

TEST_F(ProportionalLayoutTest, PlacesTooLargeForAWindowAreCappedNotWrapped) {
    const std::intptr_t tiny = tree().add(0, "NuvriTopLevelWindow", 0, 0, 1, 1);
    const std::intptr_t wide = tree().add(tiny, "Static", 0, 0, 100000, 100000);
    tree().installWindowProc(tiny, ownProc);
    registerProportionalLayout(tiny, {});
    resize(tiny, 100000, 100000);
    EXPECT_EQ(tree().placeOf(wide), (FakePlace{0, 0, 1 << 30, 1 << 30}));
}

TEST_F(ProportionalLayoutTest, EveryMessageReachesTheWindowOnceThroughBothHooks) {
    installSizeLimits(top, 800, 444, 3840, 2160);
    registerProportionalLayout(top, {combo});
    EXPECT_EQ(state().layoutPreviousProcs,
              Table<std::intptr_t>{reinterpret_cast<std::intptr_t>(sizeLimitProc)});

    MinMaxInfo info{};
    EXPECT_EQ(tree().send(top, kGetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info)), 42);
    EXPECT_EQ(tree().send(top, kPaint), 42);
    EXPECT_EQ(tree().send(top, kWindowSized), 42);
    EXPECT_EQ(seen, (std::vector<SeenMessage>{
                        {top, kGetMinMaxInfo, 0}, {top, kPaint, 0}, {top, kWindowSized, 5}}));
    EXPECT_EQ(info.minTrackSize.x, 800);
}

TEST_F(ProportionalLayoutTest, AfterTheEndProcedureMessagesGoToTheDefaultProcedure) {
    registerProportionalLayout(top, {combo});
    onProgramEnd();
    EXPECT_EQ(tree().send(top, kWindowSized), 0);
    EXPECT_EQ(tree().defaultHandled, std::vector<std::intptr_t>{top});
    EXPECT_TRUE(tree().moves.empty());
    EXPECT_TRUE(seen.empty());
}

}  // namespace
