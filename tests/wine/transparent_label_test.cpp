#include "win32/transparent_label.h"

#include <gtest/gtest.h>

#include "recording_parent.h"
#include "screenshot.h"
#include "win32/group_box.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);

HWND groupBox(HWND parent, int left, int top, int width, int height) {
    return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, left, top, width,
                           height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The colour on screen at (x, y) of `window`'s client area.
COLORREF pixelAt(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

// How many pixels of `window`'s client area the red text coloured: red ones
// and, where glyphs are smoothed, red blended with what lies behind.
int reddishPixels(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    int count = 0;
    for (int y = 0; y < rect.bottom; ++y) {
        for (int x = 0; x < rect.right; ++x) {
            const COLORREF color = pixelAt(window, x, y);
            const int red = GetRValue(color);
            count += red >= 128 && GetGValue(color) * 2 <= red && GetBValue(color) * 2 <= red;
        }
    }
    return count;
}

TEST(TransparentLabelTest, PressingTheLeftButtonTellsTheParent) {
    RecordingParent parent(200, 60);
    HWND label =
        createTransparentLabel({parent.window(), 7, 10, 10, 66, 24, false, true}, "论坛", kRed);
    ASSERT_NE(label, nullptr);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(parent.notices().size(), 1u);
    const RecordedNotice& notice = parent.notices()[0];
    EXPECT_EQ(notice.message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(notice.controlId, 7);
    EXPECT_EQ(notice.code, kLabelPressed);
    EXPECT_EQ(notice.from, label);
}

// Inside a group box the window's background and the box's frame show through.
TEST(TransparentLabelTest, ShowsWhatLiesBehindItAroundItsText) {
    RecordingParent parent(240, 100, kGreen);
    HWND box = groupBox(parent.window(), 10, 10, 200, 80);
    HWND label = createTransparentLabel({box, 1, 0, 30, 80, 24, false, true}, "友情链接：", kRed);
    parent.paintNow();
    EXPECT_EQ(pixelAt(label, 40, 22), kGreen);
    EXPECT_NE(pixelAt(label, 0, 22), kGreen);  // the group box's left frame line
    EXPECT_GT(reddishPixels(label), 20);
}

// The program's own group box paints its face in WM_PAINT only; the label
// takes the face colour from the brush the box hands its static children.
TEST(TransparentLabelTest, InsideTheProgramsGroupBoxShowsTheBoxFace) {
    RecordingParent parent(240, 100, kGreen);
    HWND box = createGroupBox({parent.window(), 1, 10, 10, 200, 80, false, true}, "");
    HWND label = createTransparentLabel({box, 2, 20, 30, 80, 24, false, true}, "友情链接：", kRed);
    parent.paintNow();
    EXPECT_EQ(pixelAt(label, 40, 22), GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(reddishPixels(label), 20);
}

// The main window's row of links: each label shows its own colour, and no
// other label's, in its own rectangle over the box's face.
TEST(TransparentLabelTest, ScreenshotShowsEachLinkInItsColourInItsPlace) {
    RecordingParent parent(792, 90);
    HWND box = createGroupBox({parent.window(), 1, 8, 8, 776, 74, false, true}, "");
    struct Link {
        int left, top, width;
        const char* text;
        COLORREF colour;
        HWND label = nullptr;
    };
    Link links[] = {{158, 9, 66, "友情链接：", RGB(0, 0, 0)},
                    {224, 11, 66, "软件论坛", kRed},
                    {288, 13, 66, "精品网站", RGB(128, 0, 128)},
                    {352, 14, 88, "更多等待添加", RGB(0, 128, 128)}};
    int id = 2;
    for (Link& link : links) {
        link.label = createTransparentLabel(
            {box, id++, link.left, link.top, link.width, 24, false, true}, link.text, link.colour);
    }
    parent.paintNow();
    const Screenshot shot(parent.window(), L"transparent_label");
    EXPECT_TRUE(shot.saved());
    for (const Link& link : links) {
        SCOPED_TRACE(link.text);
        // Each link overlaps the next by two pixels.
        const RECT area = {2, 0, link.width - 2, 24};
        EXPECT_GT(shot.count(link.label, area,
                             [&link](COLORREF pixel) { return showsInk(pixel, link.colour); }),
                  30);
        for (const Link& other : links) {
            if (other.colour != link.colour) {
                EXPECT_EQ(
                    shot.count(link.label, area,
                               [&other](COLORREF pixel) { return showsInk(pixel, other.colour); }),
                    0);
            }
        }
        EXPECT_EQ(shot.at(link.label, {link.width - 4, 22}), GetSysColor(COLOR_BTNFACE));
    }
}

}  // namespace
