// The program's main window as start-up builds it: the skinning library
// loaded from the bytes the program carries, the window's created event
// putting on the skin, bounding its size and keeping its children in
// proportion; then the skin taken off again.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "app/program_skin.h"
#include "app/skin_binding.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "layout_snapshot.h"
#include "main_window_checks.h"
#include "screenshot.h"
#include "win32/process_setup.h"

namespace {

class MainWindowSizingTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ole = new OleSession;
        createProgramState(loadProgramSkin());
        window = new MainWindow(mainWindowTemplate(), programEventTable());
        ASSERT_TRUE(window->create());
        for (const ControlTemplate& control : mainWindowTemplate().controls) {
            if (control.kind == ControlKind::ComboBox) {
                comboBoxes.push_back(window->control(control.name));
            }
        }
        taken = snapshotLayout(window->handle());
    }

    static void TearDownTestSuite() {
        DestroyWindow(window->handle());
        delete window;
        onProgramEnd();
        delete ole;
    }

    static HWND list() { return window->control(kCatalogueList); }

    // Sizes the window (at the screen's corner, where the screenshot finds
    // it), checks every child and saves the screenshot; returns the size the
    // window took.
    static SIZE showAt(int width, int height, const wchar_t* screenshot) {
        SetWindowPos(window->handle(), nullptr, 0, 0, width, height, SWP_NOZORDER);
        RedrawWindow(window->handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        expectAtTemplatePlaces(*window);
        for (HWND comboBox : comboBoxes) {
            EXPECT_EQ(placeIn(comboBox, GetParent(comboBox)).bottom, 20);
        }
        HWND box = window->control(kResourceBox);
        for (const char* parked : kParkedControls) {
            EXPECT_GE(placeIn(window->control(parked), box).top, clientSize(box).cy) << parked;
        }
        EXPECT_TRUE(saveScreenshot(window->handle(), screenshot));
        RECT frame;
        GetWindowRect(window->handle(), &frame);
        return {frame.right - frame.left, frame.bottom - frame.top};
    }

    static inline OleSession* ole = nullptr;
    static inline MainWindow* window = nullptr;
    static inline std::vector<HWND> comboBoxes;
    static inline std::map<HWND, Snapshot> taken;
};

TEST_F(MainWindowSizingTest, EveryControlIsRecordedButTheListHeaders) {
    ASSERT_EQ(comboBoxes.size(), 3u);
    for (const ControlTemplate& control : mainWindowTemplate().controls) {
        EXPECT_EQ(taken.count(window->control(control.name)), 1u) << control.name;
    }
    HWND header = reinterpret_cast<HWND>(SendMessageW(list(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(taken.count(header), 0u);
}

TEST_F(MainWindowSizingTest, SkinnedWindowKeepsItsProportionsFromTheMinimumToLarge) {
    EXPECT_NE(SendMessageW(list(), LVM_GETBKCOLOR, 0, 0),
              static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)))
        << "the created event put the skin on";

    const SIZE minimum = showAt(640, 360, L"skinned_minimum");
    EXPECT_EQ(minimum.cx, 800);
    EXPECT_EQ(minimum.cy, 444);
    const SIZE large = showAt(1280, 1000, L"skinned_large");
    EXPECT_EQ(large.cx, 1280);
    EXPECT_EQ(large.cy, 1000);
    const SIZE usual = showAt(960, 706, L"skinned_960x706");
    EXPECT_EQ(usual.cx, 960);
    EXPECT_EQ(usual.cy, 706);
}

TEST_F(MainWindowSizingTest, TabKeepsTheTemplatesOrderAfterResizing) {
    showAt(1000, 600, L"skinned_1000x600");
    expectTabVisitsTheTabStopsInTemplateOrder(*window);
}

TEST_F(MainWindowSizingTest, TheSizeQueryAnswersTheProgramsLimits) {
    MINMAXINFO info = {};
    info.ptMaxSize = {1111, 2222};
    SendMessageW(window->handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 800);
    EXPECT_EQ(info.ptMinTrackSize.y, 444);
    EXPECT_EQ(info.ptMaxTrackSize.x, 2 * GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, 2 * GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(info.ptMaxSize.x, 1111) << "the maximised size is the system's";
}

TEST_F(MainWindowSizingTest, DetachingBringsBackTheSystemLook) {
    programState()->skin->detach();
    RedrawWindow(window->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(SendMessageW(list(), LVM_GETBKCOLOR, 0, 0),
              static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(saveScreenshot(window->handle(), L"detached_960x706"));
}

}  // namespace
