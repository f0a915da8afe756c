// The main window at 144 DPI (150 %): built as at start-up with the skin, it
// is the template scaled by 1.5 - window, controls, fonts, list columns - or,
// on a screen too small for that, the same shrunk into the work area with the
// proportions kept. Run in a prefix whose system DPI is 144.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "app/program_skin.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "layout_snapshot.h"
#include "screenshot.h"
#include "win32/dpi_scale.h"
#include "win32/process_setup.h"
#include "win32/wide_text.h"

namespace {

constexpr int kTestDpi = 144;

// The window's size at 144 DPI: the template's 960 x 706 times 1.5.
constexpr SIZE kScaledWindow = {1440, 1059};

// Each control's rectangle at 144 DPI (left, top, width, height): the
// template's edges times 1.5, halves rounded up, so controls that touch at
// 96 DPI still touch. Combo boxes keep their height when the window is
// fitted to the screen.
struct ScaledControl {
    const char* name;
    const char* parent;  // null: the window itself
    RECT place;
};

const ScaledControl kScaledControls[] = {
    {kResourceBox, nullptr, {14, 8, 465, 376}},
    {kCatalogueList, kResourceBox, {5, 23, 456, 354}},
    {kRouteSelector, kResourceBox, {21, 797, 446, 30}},
    {kSpareCombo, kResourceBox, {69, 804, 444, 30}},
    {kJumpButton, kResourceBox, {345, 729, 132, 36}},
    {kSpareSpin, kResourceBox, {153, 825, 72, 36}},
    {kCategoryLabel, kResourceBox, {81, 833, 84, 24}},
    {kPageLabel, kResourceBox, {245, 831, 84, 24}},
    {kTipsLabel, nullptr, {24, 384, 432, 168}},
    {kPlayerBox, nullptr, {485, 20, 696, 544}},
    {kPlayerView, kPlayerBox, {5, 26, 687, 519}},
    {kDownloadBox, nullptr, {12, 564, 1164, 252}},
    {kDownloadSource, kDownloadBox, {12, 12, 180, 30}},
    {kDownloadList, kDownloadBox, {12, 57, 1140, 192}},
    {kLinksCaption, kDownloadBox, {237, 14, 99, 36}},
    {kForumLink, kDownloadBox, {336, 17, 99, 36}},
    {kSiteLink, kDownloadBox, {432, 20, 99, 36}},
    {kMoreLinks, kDownloadBox, {528, 21, 132, 36}},
    {kNoticeView, nullptr, {12, 828, 1404, 48}},
    {kAdvertView, nullptr, {12, 888, 1404, 96}},
    {kCategoryMenu, nullptr, {1185, 30, 228, 786}},
};

// The lines of a control's text, CR LF apart.
std::vector<std::wstring> linesOf(const Text& text) {
    std::vector<std::wstring> lines;
    const std::wstring wide = toWide(text);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = wide.find(L"\r\n", start);
        lines.push_back(wide.substr(start, end - start));
        if (end == std::wstring::npos) {
            return lines;
        }
        start = end + 2;
    }
}

HFONT fontOf(HWND control) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The widest of `lines` and the width of an ideograph (SimSun's are one em
// wide, so this is the font's character height), drawn in `font`.
struct TextSize {
    int widest = 0;
    int ideographWidth = 0;
};

TextSize measure(HFONT font, const std::vector<std::wstring>& lines) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TextSize size;
    SIZE ideograph = {};
    GetTextExtentPoint32W(dc, L"宋", 1, &ideograph);
    size.ideographWidth = ideograph.cx;
    for (const std::wstring& line : lines) {
        SIZE extent = {};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        size.widest = std::max(size.widest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

class HighDpiTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ole = new OleSession;
        createProgramState(loadProgramSkin());
        window = new MainWindow(mainWindowTemplate(), programEventTable());
        ASSERT_TRUE(window->create());
        RedrawWindow(window->handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    static void TearDownTestSuite() {
        DestroyWindow(window->handle());
        delete window;
        onProgramEnd();
        delete ole;
    }

    static SIZE windowSize() {
        RECT frame;
        GetWindowRect(window->handle(), &frame);
        return {frame.right - frame.left, frame.bottom - frame.top};
    }

    static RECT workArea() {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return work;
    }

    static bool isFitted() {
        const SIZE size = windowSize();
        return size.cx < kScaledWindow.cx || size.cy < kScaledWindow.cy;
    }

    // The client size `parent` was built with: the main window's scaled size
    // less its frame, or a group box's scaled rectangle.
    static SIZE scaledClient(const char* parent) {
        for (const ScaledControl& control : kScaledControls) {
            if (parent && std::string_view(control.name) == parent) {
                return {control.place.right, control.place.bottom};
            }
        }
        RECT frame;
        RECT client;
        GetWindowRect(window->handle(), &frame);
        GetClientRect(window->handle(), &client);
        return {kScaledWindow.cx - (frame.right - frame.left - client.right),
                kScaledWindow.cy - (frame.bottom - frame.top - client.bottom)};
    }

    static inline OleSession* ole = nullptr;
    static inline MainWindow* window = nullptr;
};

TEST_F(HighDpiTest, TheSystemDpiIs144) {
    ASSERT_EQ(systemDpi(), kTestDpi) << "run in a prefix whose LogPixels is 144";
    EXPECT_EQ(scaled(12), 18);
    EXPECT_EQ(scaled(13), 20) << "halves round up";
}

TEST_F(HighDpiTest, TheWindowIsTheTemplateScaledOrFittedIntoTheWorkArea) {
    const RECT work = workArea();
    const SIZE size = windowSize();
    EXPECT_EQ(size.cx, std::min<LONG>(kScaledWindow.cx, work.right - work.left));
    EXPECT_EQ(size.cy, std::min<LONG>(kScaledWindow.cy, work.bottom - work.top));
    RECT frame;
    GetWindowRect(window->handle(), &frame);
    RECT inside;
    IntersectRect(&inside, &frame, &work);
    EXPECT_TRUE(EqualRect(&inside, &frame)) << "the whole window is on the work area";

    EXPECT_TRUE(saveScreenshot(window->handle(),
                               isFitted() ? L"main_window_144dpi_fitted" : L"main_window_144dpi"));
}

// Each control lies at its scaled template rectangle, in proportion to how
// much its parent was shrunk to fit (not at all on a large screen); combo
// boxes keep their scaled closed height.
TEST_F(HighDpiTest, EveryControlIsAtItsScaledRectangle) {
    ASSERT_EQ(std::size(kScaledControls), mainWindowTemplate().controls.size());
    for (const ScaledControl& control : kScaledControls) {
        SCOPED_TRACE(control.name);
        HWND made = window->control(control.name);
        ASSERT_NE(made, nullptr);
        const bool comboBox =
            mainWindowTemplate().control(control.name)->kind == ControlKind::ComboBox;
        expectInProportion(made, {control.place, scaledClient(control.parent)}, comboBox);
    }
}

TEST_F(HighDpiTest, TheProgramsFontsHaveScaledCharactersAndListsScaledColumns) {
    for (const ControlTemplate& control : mainWindowTemplate().controls) {
        // Group boxes use the system's interface font, spin buttons show no
        // text and the browsers show pages.
        if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::Spin ||
            control.kind == ControlKind::Browser) {
            continue;
        }
        SCOPED_TRACE(control.name);
        EXPECT_EQ(measure(fontOf(window->control(control.name)), {}).ideographWidth, 18);
    }
    // The template's widths times 1.5, halves rounded up.
    const std::pair<const char*, std::vector<int>> lists[] = {{kCatalogueList, {600, 2, 2}},
                                                              {kDownloadList, {75, 300, 750}}};
    for (const auto& [list, widths] : lists) {
        std::vector<int> columns;
        for (std::size_t i = 0; i < widths.size(); ++i) {
            columns.push_back(
                static_cast<int>(SendMessageW(window->control(list), LVM_GETCOLUMNWIDTH, i, 0)));
        }
        EXPECT_EQ(columns, widths) << list;
    }
}

// Every line of every caption fits the width of its control, in its font, as
// at 96 DPI. A window shrunk to fit a small screen narrows its controls but
// not its fonts, as when the user shrinks it.
TEST_F(HighDpiTest, EveryCaptionFitsItsControl) {
    if (isFitted()) {
        GTEST_SKIP() << "the window was shrunk to fit the screen";
    }
    for (const ControlTemplate& control : mainWindowTemplate().controls) {
        SCOPED_TRACE(control.name);
        HWND made = window->control(control.name);
        const int room = clientSize(made).cx;
        std::vector<std::wstring> lines;
        switch (control.kind) {
            case ControlKind::Label:
            case ControlKind::TransparentLabel:
            case ControlKind::Button:
            case ControlKind::GroupBox:
                lines = linesOf(control.text);
                break;
            case ControlKind::RollupMenu:
                for (const GroupTemplate& group : control.groups) {
                    lines.push_back(toWide(group.caption));
                    for (const Text& entry : group.entries) {
                        lines.push_back(toWide(entry));
                    }
                }
                break;
            default:
                continue;
        }
        EXPECT_LE(measure(fontOf(made), lines).widest, room);
    }
}

}  // namespace
