// The main window at 144 DPI (150 %): built as at start-up with the skin, it
// is the template scaled by 1.5 - window, controls, fonts, list columns - or,
// on a screen too small for that, the same shrunk into the work area with the
// proportions kept. Run in a prefix whose system DPI is 144.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "app/program_skin.h"
#include "common/program_state.h"
#include "layout_snapshot.h"
#include "screenshot.h"
#include "win32/dpi_scale.h"
#include "win32/process_setup.h"
#include "win32/wide_text.h"

namespace {

constexpr int kTestDpi = 144;

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

    // The window as the template makes it at this DPI, before any fitting.
    static SIZE designedSize() {
        const WindowTemplate& layout = mainWindowTemplate();
        return {scaled(layout.width), scaled(layout.height)};
    }

    static bool isFitted() {
        const SIZE designed = designedSize();
        const SIZE size = windowSize();
        return size.cx < designed.cx || size.cy < designed.cy;
    }

    // The client size `parent` was built with: the main window's designed
    // size less its frame, or a group box's scaled rectangle.
    static SIZE designedClient(const ControlTemplate* parent) {
        if (!parent) {
            RECT frame;
            RECT client;
            GetWindowRect(window->handle(), &frame);
            GetClientRect(window->handle(), &client);
            return {designedSize().cx - (frame.right - frame.left - client.right),
                    designedSize().cy - (frame.bottom - frame.top - client.bottom)};
        }
        const RECT box = scaledRect(parent->left, parent->top, parent->width, parent->height);
        return {box.right - box.left, box.bottom - box.top};
    }

    static const ControlTemplate* templateOf(const Text& name) {
        for (const ControlTemplate& control : mainWindowTemplate().controls) {
            if (control.name == name) {
                return &control;
            }
        }
        return nullptr;
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
    const SIZE designed = designedSize();
    EXPECT_EQ(designed.cx, 1440);
    EXPECT_EQ(designed.cy, 1059);
    const RECT work = workArea();
    const SIZE size = windowSize();
    EXPECT_EQ(size.cx, std::min<LONG>(designed.cx, work.right - work.left));
    EXPECT_EQ(size.cy, std::min<LONG>(designed.cy, work.bottom - work.top));
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
    for (const ControlTemplate& control : mainWindowTemplate().controls) {
        SCOPED_TRACE(control.name);
        HWND made = window->control(control.name);
        ASSERT_NE(made, nullptr);
        const SIZE designed = designedClient(templateOf(control.parent));
        const SIZE now = clientSize(GetParent(made));
        const double across = static_cast<double>(now.cx) / designed.cx;
        const double down = static_cast<double>(now.cy) / designed.cy;
        const RECT expected = scaledRect(control.left, control.top, control.width, control.height);
        const RECT place = placeIn(made, GetParent(made));
        const bool fixedHeight = control.kind == ControlKind::ComboBox;
        EXPECT_NEAR(place.left, expected.left * across, 2);
        EXPECT_NEAR(place.top, expected.top * down, 2);
        EXPECT_NEAR(place.right, (expected.right - expected.left) * across, 2);
        EXPECT_NEAR(place.bottom, (expected.bottom - expected.top) * (fixedHeight ? 1.0 : down), 2);
        if (fixedHeight) {
            EXPECT_NEAR(place.bottom, scaled(control.height), 1);
        }
    }
    expectAtRecordedFractions(window->handle());
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
        for (std::size_t i = 0; i < control.columns.size(); ++i) {
            EXPECT_EQ(SendMessageW(window->control(control.name), LVM_GETCOLUMNWIDTH, i, 0),
                      scaled(control.columns[i].width));
        }
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
