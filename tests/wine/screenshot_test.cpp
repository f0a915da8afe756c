// The prefix's interface fonts draw Chinese: a static control in the system's
// own font shows each ideograph of its caption as a glyph of its own, where a
// font without them shows the same box for every one.
#include "screenshot.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kCaption[] = L"界面字体：中文";

// Where each character of `text` lies when `window` draws it from its client
// area's top left in its own font.
std::vector<RECT> characterCells(HWND window, const std::wstring& text) {
    HDC dc = GetDC(window);
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    std::vector<RECT> cells;
    LONG left = 0;
    for (std::size_t length = 1; length <= text.size(); ++length) {
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(length), &extent);
        cells.push_back({left, 0, extent.cx, metrics.tmHeight});
        left = extent.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return cells;
}

}  // namespace

TEST(ScreenshotTest, ChineseInterfaceTextShowsADifferentGlyphForEachCharacter) {
    HWND window = CreateWindowW(L"STATIC", kCaption, WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 240,
                                40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    const Screenshot shot(window, L"interface_font");
    EXPECT_TRUE(shot.saved());

    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const auto inked = [text](COLORREF pixel) { return showsInk(pixel, text); };
    std::set<std::vector<bool>> glyphs;
    int ideographs = 0;
    const std::vector<RECT> cells = characterCells(window, kCaption);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (kCaption[i] == L'：') {
            continue;
        }
        SCOPED_TRACE(i);
        EXPECT_GT(shot.count(window, cells[i], inked), 10) << "the character drew nothing";
        std::vector<bool> glyph;
        for (COLORREF pixel : shot.pixels(window, cells[i])) {
            glyph.push_back(inked(pixel));
        }
        glyphs.insert(glyph);
        ++ideographs;
    }
    EXPECT_EQ(ideographs, 6);
    EXPECT_EQ(glyphs.size(), 6u) << "two characters drew the same picture";
    DestroyWindow(window);
}
