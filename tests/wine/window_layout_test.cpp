// The size limits and the proportional re-layout on a real window with
// nested children.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "app/proportional_layout.h"
#include "app/window_sizing.h"
#include "common/program_state.h"
#include "layout_snapshot.h"
#include "screenshot.h"
#include "win32/group_box.h"
#include "win32/standard_controls.h"

namespace {

std::vector<int> columnWidths(HWND list) {
    std::vector<int> widths;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < columns; ++i) {
        widths.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0)));
    }
    return widths;
}

// What the test window's own procedure saw.
struct Seen {
    std::vector<UINT> messages;
    RECT insideAtSize{};  // the button inside the group box when WM_SIZE arrived
    MINMAXINFO lastQuery{};
};
Seen seen;
HWND insideButton = nullptr;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE || message == WM_GETMINMAXINFO) {
        seen.messages.push_back(message);
    }
    if (message == WM_SIZE && insideButton) {
        seen.insideAtSize = placeIn(insideButton, GetParent(insideButton));
    }
    if (message == WM_GETMINMAXINFO) {
        seen.lastQuery = *reinterpret_cast<const MINMAXINFO*>(lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createButton(HWND parent, int left, int top, int width, int height) {
    return CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | WS_VISIBLE, left, top, width, height,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

class TestWindowLayoutTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        createProgramState();
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = recordingProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"NuvriLayoutTestWindow";
        RegisterClassW(&windowClass);
        top =
            CreateWindowExW(0, L"NuvriLayoutTestWindow", L"布局", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            20, 20, 640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        box = createGroupBox({top, 1, 10, 10, 300, 200, false, true}, "分组");
        insideButton = createButton(box, 10, 20, 80, 24);
        parked = createButton(box, 10, 230, 80, 24);
        list =
            createListView({top, 2, 320, 10, 250, 200, true, true}, {{"序号", 100}, {"标题", 60}});
        combo = createComboBox({top, 3, 10, 260, 200, 20, true, true}, {"一", "二"}, "");
        empty = createGroupBox({top, 4, 400, 300, 0, 0, false, true}, "");
        inEmpty = createButton(empty, 5, 5, 40, 20);
        doomed = createButton(top, 10, 300, 50, 20);

        installSizeLimits(handleOf(top), 300, 200, 2 * GetSystemMetrics(SM_CXSCREEN),
                          2 * GetSystemMetrics(SM_CYSCREEN));
        registerProportionalLayout(handleOf(top), {handleOf(combo)});
        taken = snapshotLayout(top);
        headerHeight = placeIn(header(), list).bottom;
    }
    static void TearDownTestSuite() {
        insideButton = nullptr;
        DestroyWindow(top);
        onProgramEnd();
    }

    static HWND header() { return reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)); }
    static void resizeTo(int width, int height) {
        SetWindowPos(top, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
    static std::vector<std::intptr_t> recorded() {
        return {programState()->childHandles.begin(), programState()->childHandles.end()};
    }
    static bool isRecorded(HWND child) {
        const auto handles = recorded();
        return std::count(handles.begin(), handles.end(), handleOf(child)) != 0;
    }

    static inline HWND top, box, parked, list, combo, empty, inEmpty, doomed;
    static inline std::map<HWND, Snapshot> taken;
    static inline int headerHeight = 0;
};

TEST_F(TestWindowLayoutTest, RecordsEveryChildButTheListHeader) {
    EXPECT_EQ(recorded(),
              (std::vector<std::intptr_t>{handleOf(box), handleOf(list), handleOf(combo),
                                          handleOf(empty), handleOf(doomed), handleOf(insideButton),
                                          handleOf(parked), handleOf(inEmpty)}));
    EXPECT_FALSE(isRecorded(header()));
    EXPECT_EQ(count(programState()->childPlacements), 8);
}

TEST_F(TestWindowLayoutTest, SizeQueryAnswersTheLimitsAndLeavesTheRest) {
    MINMAXINFO info = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
    SendMessageW(top, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 300);
    EXPECT_EQ(info.ptMinTrackSize.y, 200);
    EXPECT_EQ(info.ptMaxTrackSize.x, 2 * GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, 2 * GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(info.ptReserved.x, 1);
    EXPECT_EQ(info.ptMaxSize.y, 4);
    EXPECT_EQ(info.ptMaxPosition.x, 5);

    // The system asks on its own when it maximises: the window's own
    // procedure sees the limits, and the maximised size is the system's.
    seen = {};
    ShowWindow(top, SW_MAXIMIZE);
    ASSERT_NE(std::count(seen.messages.begin(), seen.messages.end(), WM_GETMINMAXINFO), 0);
    EXPECT_EQ(seen.lastQuery.ptMinTrackSize.x, 300);
    EXPECT_EQ(seen.lastQuery.ptMaxTrackSize.y, 2 * GetSystemMetrics(SM_CYSCREEN));
    RECT maximised;
    GetWindowRect(top, &maximised);
    EXPECT_EQ(maximised.right - maximised.left, seen.lastQuery.ptMaxSize.x);
    ShowWindow(top, SW_RESTORE);

    // A frame that can be resized asks again whenever it is sized
    // (DefWindowProc on WM_WINDOWPOSCHANGING), so sizes set by the program
    // are bounded as well.
    const int maxWidth = 2 * GetSystemMetrics(SM_CXSCREEN);
    const int maxHeight = 2 * GetSystemMetrics(SM_CYSCREEN);
    for (const auto& [asked, bounded] :
         {std::pair{SIZE{200, 150}, SIZE{300, 200}},
          std::pair{SIZE{maxWidth + 100, maxHeight + 100}, SIZE{maxWidth, maxHeight}}}) {
        resizeTo(asked.cx, asked.cy);
        RECT frame;
        GetWindowRect(top, &frame);
        EXPECT_EQ(frame.right - frame.left, bounded.cx);
        EXPECT_EQ(frame.bottom - frame.top, bounded.cy);
    }
    resizeTo(640, 480);
}

TEST_F(TestWindowLayoutTest, ChildrenFollowTheWindowBeforeItSeesTheResize) {
    for (const SIZE size : {SIZE{900, 700}, SIZE{400, 300}, SIZE{1200, 900}, SIZE{640, 480}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        seen = {};
        resizeTo(size.cx, size.cy);
        expectInProportion(taken, {combo});
        // The window's own procedure found the child already moved.
        ASSERT_NE(std::count(seen.messages.begin(), seen.messages.end(), WM_SIZE), 0);
        const RECT now = placeIn(insideButton, box);
        EXPECT_EQ(seen.insideAtSize.left, now.left);
        EXPECT_EQ(seen.insideAtSize.right, now.right);
        // Combo boxes keep their height; the parked button stays below its box.
        EXPECT_EQ(placeIn(combo, top).bottom, 20);
        EXPECT_GT(placeIn(parked, box).top, clientSize(box).cy);
        // The list view keeps its header where it put it, and its columns.
        const RECT headerPlace = placeIn(header(), list);
        EXPECT_EQ(headerPlace.left, 0);
        EXPECT_EQ(headerPlace.top, 0);
        EXPECT_EQ(headerPlace.bottom, headerHeight);
        EXPECT_EQ(columnWidths(list), (std::vector<int>{100, 60}));
        // The child of the group box without a client area keeps its place.
        const RECT unmoved = placeIn(inEmpty, empty);
        EXPECT_EQ(unmoved.left, 5);
        EXPECT_EQ(unmoved.right, 40);
    }
    RedrawWindow(top, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(saveScreenshot(top, L"layout_test_window"));
}

TEST_F(TestWindowLayoutTest, SameSizeAgainPutsEveryChildAtTheSamePlace) {
    resizeTo(777, 555);
    const std::map<HWND, Snapshot> first = snapshotLayout(top);
    const SIZE client = clientSize(top);
    SendMessageW(top, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
    const std::map<HWND, Snapshot> second = snapshotLayout(top);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [child, was] : first) {
        const RECT now = second.at(child).place;
        EXPECT_TRUE(EqualRect(&was.place, &now)) << child;
    }
    resizeTo(640, 480);
}

TEST_F(TestWindowLayoutTest, DestroyedChildIsDroppedAtTheNextResize) {
    ASSERT_TRUE(isRecorded(doomed));
    DestroyWindow(doomed);
    EXPECT_TRUE(isRecorded(doomed));
    resizeTo(700, 500);
    EXPECT_FALSE(isRecorded(doomed));
    EXPECT_EQ(count(programState()->childHandles), 7);
    EXPECT_EQ(count(programState()->childPlacements), 7);
    taken.erase(doomed);
    expectInProportion(taken, {combo});
}

}  // namespace
