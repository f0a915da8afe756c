#include "win32/rollup_menu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "recording_parent.h"
#include "screenshot.h"
#include "win32/message_pump.h"

namespace {

// The category menu's size in the main window, and its rows as a user sees them.
constexpr int kWidth = 152;
constexpr int kHeight = 524;
constexpr int kGroups = 7;
constexpr int kHeaderHeight = 24;
constexpr int kEntryHeight = 22;
constexpr int kMenuId = 42;

std::vector<RollupGroup> categoryGroups() {
    return {
        {"电视直播",
         {"东方卫视",        "北京卫视",     "江苏卫视",        "浙江卫视",         "CCTV-1 综合",
          "CCTV-2 财经",     "CCTV-3 综艺",  "CCTV-4 亚洲",     "CCTV-4 (欧洲)",    "CCTV-4 (美洲)",
          "CCTV-5 体育",     "CCTV-6 电影",  "CCTV-7 军事农业", "CCTV-8 电视剧",    "CCTV-9 纪录",
          "CCTV-9 纪录(英)", "CCTV-10 科教", "CCTV-11 戏曲",    "CCTV-12 社会与法", ""}},
        {"游戏直播",
         {"英雄联盟", "穿越火线", "QQ飞车", "逆战", "地下城勇士", "QQ游戏", "手游", "单机游戏",
          "其他游戏", "随机精选"}},
        {"美女直播", {"热门美女", "美女直播"}},
        {"热门电影", {"今日热播", "线路2超多影片"}},
        {"街拍丶秒拍丶微拍丶自拍", {"街拍自拍短视频"}},
        {"视频-套图-下载区域", {"无水印套图下载", "获取视频下载地址"}},
        {"Nuvri轻声音乐盒子", {"Nuvri音乐盒子"}},
    };
}

// Whether `pixel` is a blend of `from` and `to`, neither one nor the other.
bool liesBetween(COLORREF pixel, COLORREF from, COLORREF to) {
    const double step[] = {GetRValue(to) - GetRValue(from) + 0.0,
                           GetGValue(to) - GetGValue(from) + 0.0,
                           GetBValue(to) - GetBValue(from) + 0.0};
    const double offset[] = {GetRValue(pixel) - GetRValue(from) + 0.0,
                             GetGValue(pixel) - GetGValue(from) + 0.0,
                             GetBValue(pixel) - GetBValue(from) + 0.0};
    double along = 0;
    double length = 0;
    for (int i = 0; i < 3; ++i) {
        along += offset[i] * step[i];
        length += step[i] * step[i];
    }
    const double share = along / length;
    double away = 0;
    for (int i = 0; i < 3; ++i) {
        away += std::pow(offset[i] - share * step[i], 2);
    }
    return share > 0.05 && share < 0.95 && away < 8 * 8;
}

class RollupMenuTest : public ::testing::Test {
  protected:
    void click(int x, int y) {
        const LPARAM at = MAKELPARAM(x, y);
        SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(menu, WM_LBUTTONUP, 0, at);
    }
    // Row `row` of the visible entries while `openGroup` is open.
    void clickRow(int row, int openGroup) {
        click(40, (openGroup + 1) * kHeaderHeight + row * kEntryHeight + kEntryHeight / 2);
    }
    void clickHeader(int group, int openGroup) {
        const int top = group <= openGroup ? group * kHeaderHeight
                                           : kHeight - (kGroups - group) * kHeaderHeight;
        click(kWidth / 2, top + kHeaderHeight / 2);
    }
    void press(WPARAM key) { SendMessageW(menu, WM_KEYDOWN, key, 0); }
    void wheel(int delta) {
        SendMessageW(menu, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                     MAKELPARAM(20, 100));
    }

    // The (group, entry) pairs the menu has reported, oldest first.
    std::vector<std::pair<int, int>> clicked() const {
        std::vector<std::pair<int, int>> result;
        for (const RecordedNotice& notice : parent.notices()) {
            if (notice.message == WM_NOTIFY && notice.code == kRollupEntryClicked &&
                notice.from == menu && notice.controlId == kMenuId) {
                result.emplace_back(notice.group, notice.entry);
            }
        }
        return result;
    }

    RecordingParent parent{kWidth + 20, kHeight + 20};
    HWND menu = createRollupMenu({parent.window(), kMenuId, 10, 10, kWidth, kHeight, true, true},
                                 categoryGroups());
};

using Clicks = std::vector<std::pair<int, int>>;

TEST_F(RollupMenuTest, ReportsTheEntriesOfTheGroupThatAHeaderClickOpened) {
    ASSERT_NE(menu, nullptr);
    clickRow(0, 0);
    clickRow(3, 0);
    clickHeader(1, 0);
    clickRow(0, 1);
    clickRow(9, 1);
    clickHeader(6, 1);
    clickRow(0, 6);
    clickRow(1, 6);  // below the group's only entry
    clickHeader(0, 6);
    clickRow(1, 0);
    EXPECT_EQ(clicked(), (Clicks{{0, 0}, {0, 3}, {1, 0}, {1, 9}, {6, 0}, {0, 1}}));
}

TEST_F(RollupMenuTest, ReleasingTheButtonElsewhereClicksNothing) {
    SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, kHeaderHeight + 5));
    SendMessageW(menu, WM_LBUTTONUP, 0, MAKELPARAM(40, kHeaderHeight + kEntryHeight + 5));
    SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, kHeight - 5));
    SendMessageW(menu, WM_LBUTTONUP, 0, MAKELPARAM(40, kHeaderHeight + 5));
    EXPECT_TRUE(clicked().empty());
    clickRow(0, 0);  // the header pressed above did not open
    EXPECT_EQ(clicked(), (Clicks{{0, 0}}));
}

// Group 0 has 20 entries; 16 rows fit between the headers.
TEST_F(RollupMenuTest, TheWheelReachesTheLastEntryWhoseEmptyCaptionStillNotifies) {
    wheel(-WHEEL_DELTA * 10);
    clickRow(15, 0);
    wheel(WHEEL_DELTA * 10);
    clickRow(0, 0);
    EXPECT_EQ(clicked(), (Clicks{{0, 19}, {0, 0}}));
}

TEST_F(RollupMenuTest, ScrollArrowsMoveTheEntriesByOne) {
    const int arrowX = kWidth - 10;
    const int areaBottom = kHeight - (kGroups - 1) * kHeaderHeight;
    click(arrowX, areaBottom - 10);
    click(arrowX, areaBottom - 10);
    clickRow(0, 0);
    click(arrowX, kHeaderHeight + 10);
    clickRow(0, 0);
    EXPECT_EQ(clicked(), (Clicks{{0, 2}, {0, 1}}));
}

TEST_F(RollupMenuTest, DrawsWithSimSunTwelvePixelsInGb2312) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(menu, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logFont = {};
    ASSERT_EQ(GetObjectW(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_EQ(logFont.lfHeight, -12);
    EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
    EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(logFont.lfFaceName, L"SimSun");
}

// The focus walks the parts as they lie: headers 0..open, its entries, later headers.
TEST_F(RollupMenuTest, KeyboardWalksHeadersAndEntriesAndActivatesThem) {
    SetFocus(menu);
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_RETURN);  // entry 1
    for (int step = 0; step < 18; ++step) {
        press(VK_DOWN);
    }
    press(VK_RETURN);  // entry 19, scrolled into view:
    clickRow(15, 0);
    press(VK_DOWN);
    press(VK_SPACE);  // opens group 1
    press(VK_DOWN);
    press(VK_RETURN);  // its entry 0
    press(VK_UP);
    press(VK_UP);
    press(VK_UP);  // stays on header 0
    press(VK_RETURN);
    press(VK_DOWN);
    press(VK_SPACE);
    EXPECT_EQ(clicked(), (Clicks{{0, 1}, {0, 19}, {0, 19}, {1, 0}, {0, 0}}));
}

TEST_F(RollupMenuTest, TakesTheFocusOnAClickOnlyAsATabStop) {
    HWND plain = createRollupMenu(
        {parent.window(), kMenuId + 1, 0, 0, kWidth, kHeight, false, true}, categoryGroups());
    SetFocus(parent.window());
    SendMessageW(plain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 40));
    SendMessageW(plain, WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    EXPECT_EQ(GetFocus(), parent.window());
    clickRow(0, 0);
    EXPECT_EQ(GetFocus(), menu);
}

// Group 0 open, the focus on its entry 1 and the mouse over its entry 4: the
// first header at the top and the other six at the bottom, the entries on
// the window colour between them with a scroll arrow down only, the row
// under the mouse lit and the focus mark around entry 1.
TEST_F(RollupMenuTest, ScreenshotShowsTheHeadersEntriesFocusAndHotRowWhereTheyLie) {
    SetFocus(menu);
    press(VK_DOWN);
    press(VK_DOWN);
    SendMessageW(menu, WM_MOUSEMOVE, 0,
                 MAKELPARAM(40, kHeaderHeight + 4 * kEntryHeight + kEntryHeight / 2));
    parent.paintNow();
    const Screenshot shot(parent.window(), L"rollup_menu");
    EXPECT_TRUE(shot.saved());

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF paper = GetSysColor(COLOR_WINDOW);
    const auto is = [](COLORREF colour) {
        return [colour](COLORREF pixel) { return pixel == colour; };
    };
    for (int group = 0; group < kGroups; ++group) {
        SCOPED_TRACE(group);
        const int top = group == 0 ? 0 : kHeight - (kGroups - group) * kHeaderHeight;
        const RECT header = {0, top, kWidth, top + kHeaderHeight};
        EXPECT_GT(shot.count(menu, header, is(face)), kWidth * kHeaderHeight / 2);
        EXPECT_GT(
            shot.count(menu, header,
                       [](COLORREF pixel) { return showsInk(pixel, GetSysColor(COLOR_BTNTEXT)); }),
            20);
    }
    const int entriesBottom = kHeight - (kGroups - 1) * kHeaderHeight;
    const RECT entries = {0, kHeaderHeight, kWidth, entriesBottom};
    EXPECT_GT(shot.count(menu, entries, is(paper)), kWidth * (entriesBottom - kHeaderHeight) / 2);

    // The 16-pixel arrows, 2 pixels in from the entry area's right corners.
    const RECT down = {kWidth - 18, entriesBottom - 18, kWidth - 2, entriesBottom - 2};
    const RECT up = {kWidth - 18, kHeaderHeight + 2, kWidth - 2, kHeaderHeight + 18};
    EXPECT_GT(shot.count(menu, down, is(face)), 16 * 16 / 3);
    EXPECT_EQ(shot.count(menu, up, is(face)), 0);

    const auto row = [](int entry) {
        const int top = kHeaderHeight + entry * kEntryHeight;
        return RECT{0, top, kWidth - 20, top + kEntryHeight};
    };
    const COLORREF accent = GetSysColor(COLOR_HIGHLIGHT);
    const auto lit = [paper, accent](COLORREF pixel) { return liesBetween(pixel, paper, accent); };
    EXPECT_GT(shot.count(menu, row(4), lit), (kWidth - 20) * kEntryHeight / 2);
    for (int entry : {0, 1, 3, 5}) {
        EXPECT_EQ(shot.count(menu, row(entry), lit), 0) << entry;
    }

    // The dotted mark 3 pixels inside the focused row: its left and right
    // lines, clear of the captions.
    const auto marks = [&shot, this, paper](int entry) {
        const int top = kHeaderHeight + entry * kEntryHeight + 3;
        const auto marked = [paper](COLORREF pixel) { return pixel != paper; };
        return shot.count(menu, {3, top, 4, top + kEntryHeight - 6}, marked) +
               shot.count(menu, {kWidth - 4, top, kWidth - 3, top + kEntryHeight - 6}, marked);
    };
    EXPECT_GT(marks(1), (kEntryHeight - 6) / 2);
    EXPECT_EQ(marks(0), 0);
    EXPECT_EQ(marks(2), 0);
}

}  // namespace
