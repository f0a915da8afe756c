// Find as you type in the real main window, on the film list filled as the
// route selector fills the list: typing keeps the rows whose title contains
// the text, in order; Esc and an empty field bring every row back exactly;
// any other change to the list brings them back first and closes the field.
#include "find/title_find.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/embedded_fill.h"
#include "catalogue/embedded_playlists.h"
#include "catalogue/list_actions.h"
#include "common/program_controls.h"
#include "find/title_filter.h"
#include "later_action.h"
#include "playback/playback.h"
#include "program_window.h"
#include "screenshot.h"
#include "win32/browser_view.h"
#include "win32/list_view.h"
#include "win32/wide_text.h"

namespace {

using Rows = std::vector<std::vector<Text>>;  // every cell, row by row

Rows rowsOf(HWND list) {
    Rows rows(static_cast<std::size_t>(rowCount(list)));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 3; ++column) {
            rows[row].push_back(cellText(list, static_cast<std::int32_t>(row), column));
        }
    }
    return rows;
}

Rows rowsContaining(const Rows& rows, const Text& text) {
    Rows kept;
    for (const auto& row : rows) {
        if (titleContains(row[0], text)) {
            kept.push_back(row);
        }
    }
    return kept;
}

class TitleFindTest : public ProgramWindowTest {
  protected:
    // Each case starts from the film list, which closes a find left open.
    void SetUp() override {
        fillFilm();
        film = rowsOf(list());
        ASSERT_EQ(film.size(), 1020u);
        ASSERT_FALSE(fieldOpen());
    }

    static HWND list() { return window->control(kCatalogueList); }
    static HWND field() {
        return FindWindowExW(window->handle(), nullptr, L"NuvriFindField", nullptr);
    }
    static HWND edit() { return FindWindowExW(field(), nullptr, L"Edit", nullptr); }
    static bool fieldOpen() { return field() && IsWindowVisible(field()); }

    static void fillFilm() {
        beginAction(ActionScope::CatalogueRows);
        fillFromEmbeddedPlaylist(embeddedPlaylist(EmbeddedPlaylist::Film), kRouteTags.title,
                                 kRouteTags.address);
    }

    static void chooseRoute(int item) { confirmChoice(kRouteSelector, item); }

    // Types `text` into the find field one character at a time.
    static void type(const Text& text) {
        for (wchar_t character : toWide(text)) {
            SendMessageW(edit(), WM_CHAR, character, 1);
        }
    }

    static void backspace(int times) {
        for (int i = 0; i < times; ++i) {
            SendMessageW(edit(), WM_CHAR, VK_BACK, 1);
        }
    }

    // Presses `keys` together on the keyboard, as a person would, and lets
    // this thread's messages take the program's own way through the message
    // loop until `done` holds or five seconds pass.
    static void press(const std::vector<WORD>& keys, const std::function<bool()>& done) {
        SetForegroundWindow(window->handle());
        std::vector<INPUT> inputs(2 * keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            inputs[i].type = inputs[inputs.size() - 1 - i].type = INPUT_KEYBOARD;
            inputs[i].ki.wVk = inputs[inputs.size() - 1 - i].ki.wVk = keys[i];
            inputs[inputs.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        pumpAsTheProgram(done, 5000);
    }

    Rows film;
};

}  // namespace

TEST_F(TitleFindTest, TypingKeepsTheRowsWhoseTitleContainsTheTextInOrder) {
    openTitleFind();
    ASSERT_TRUE(fieldOpen());
    EXPECT_EQ(GetFocus(), edit());

    // Typed on one character at a time, taken back, then replaced at once.
    struct Step {
        const char* typed;
        int erased;
        const char* text;
    };
    // 江南往事第3 is in one title, 江南往事第31 in none.
    const Step steps[] = {
        {"江", 0, "江"},          {"南", 0, "江南"},
        {"往", 0, "江南往"},      {"事", 0, "江南往事"},
        {"第", 0, "江南往事第"},  {"3", 0, "江南往事第3"},
        {"1", 0, "江南往事第31"}, {"", 1, "江南往事第3"},
        {"", 4, "江南"},          {"", 2, ""},
        {"片", 0, "片"},          {"香港", 0, "片香港"},
    };
    for (const Step& step : steps) {
        backspace(step.erased);
        type(step.typed);
        EXPECT_EQ(rowsOf(list()), rowsContaining(film, step.text)) << "text " << step.text;
    }

    SendMessageW(edit(), EM_SETSEL, 0, -1);
    type("少年");
    EXPECT_EQ(rowsOf(list()), rowsContaining(film, "少年"));
}

TEST_F(TitleFindTest, EscAndAnEmptyFieldBringEveryRowBackExactly) {
    openTitleFind();
    type("战争");
    ASSERT_LT(rowCount(list()), 1020);
    backspace(2);
    EXPECT_EQ(rowsOf(list()), film);
    EXPECT_TRUE(fieldOpen());

    // A row selected while filtered stays selected as the text narrows and
    // when the rows come back.
    type("少年");
    const Rows shown = rowsOf(list());
    const auto chosen = std::find_if(shown.begin(), shown.end(), [](const auto& row) {
        return titleContains(row[0], "少年第");
    });
    ASSERT_NE(chosen, shown.end());
    selectRow(list(), static_cast<std::int32_t>(chosen - shown.begin()));
    SetFocus(edit());
    type("第");
    ASSERT_LT(rowCount(list()), static_cast<std::int32_t>(shown.size()) / 2);
    ASSERT_GE(selectedRow(list()), 0);
    EXPECT_EQ(rowsOf(list())[static_cast<std::size_t>(selectedRow(list()))], *chosen);
    press({VK_ESCAPE}, [] { return !fieldOpen(); });
    EXPECT_FALSE(fieldOpen());
    EXPECT_EQ(rowsOf(list()), film);
    EXPECT_EQ(GetFocus(), list());
    ASSERT_GE(selectedRow(list()), 0);
    EXPECT_EQ(film[static_cast<std::size_t>(selectedRow(list()))], *chosen);

    // The field opens again empty, on every row.
    openTitleFind();
    EXPECT_EQ(GetWindowTextLengthW(edit()), 0);
    EXPECT_EQ(rowsOf(list()), film);
}

// Whatever else changes the list first gets every row back; a change given
// the index of a row shown applies to that row.
TEST_F(TitleFindTest, AChangeFromOutsideBringsEveryRowBackAndClosesTheField) {
    // A new fill, also one that is still cutting its playlist apart (and
    // letting the window process messages) when the find opens and filters.
    chooseRoute(1);
    const Rows route1 = rowsOf(list());
    fillFilm();
    openTitleFind();
    type("香港");
    chooseRoute(1);
    EXPECT_FALSE(fieldOpen());
    EXPECT_EQ(rowsOf(list()), route1);
    fillFilm();
    EXPECT_TRUE(overtake([] { chooseRoute(1); },
                         [] {
                             openTitleFind();
                             type("江南");
                         }));
    EXPECT_FALSE(fieldOpen());
    EXPECT_EQ(rowsOf(list()), route1);

    struct Change {
        const char* name;
        std::function<void(const Rows& shown, Rows& expected)> apply;
    };
    const Change changes[] = {
        {"row appended",
         [](const Rows&, Rows& expected) {
             const std::int32_t row = appendRow(list());
             setCellText(list(), row, 0, "新加的标题");
             expected.push_back({"新加的标题", "", ""});
         }},
        {"address of the first row shown rewritten",
         [](const Rows& shown, Rows& expected) {
             setCellText(list(), 0, 1, "http://127.0.0.1/v/new.mp4");
             std::find(expected.begin(), expected.end(), shown[0])->at(1) =
                 "http://127.0.0.1/v/new.mp4";
         }},
        {"title of the third row shown rewritten in a batch",
         [](const Rows& shown, Rows& expected) {
             const RowBatch batch(list());
             setCellText(list(), 2, 0, "renamed");
             std::find(expected.begin(), expected.end(), shown[2])->at(0) = "renamed";
         }},
        {"every row deleted",
         [](const Rows&, Rows& expected) {
             deleteAllRows(list());
             expected.clear();
         }},
    };
    for (const Change& change : changes) {
        fillFilm();
        openTitleFind();
        type("京城");
        const Rows shown = rowsOf(list());
        ASSERT_GT(shown.size(), 3u);
        Rows expected = film;
        change.apply(shown, expected);
        EXPECT_FALSE(fieldOpen()) << change.name;
        EXPECT_EQ(rowsOf(list()), expected) << change.name;
    }
}

TEST_F(TitleFindTest, EnterAndDoubleClickActOnTheRowsShown) {
    openTitleFind();
    type("西湖");
    const Rows shown = rowsOf(list());
    ASSERT_GT(shown.size(), 2u);
    ASSERT_EQ(selectedRow(list()), -1);
    press({VK_RETURN}, [] { return GetFocus() == list(); });
    EXPECT_EQ(GetFocus(), list());
    EXPECT_EQ(selectedRow(list()), 0);
    EXPECT_TRUE(fieldOpen());

    selectRow(list(), 2);
    RECT cell;
    ListView_GetItemRect(list(), 2, &cell, LVIR_LABEL);
    SendMessageW(list(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2));
    EXPECT_EQ(browserAddress(window->control(kPlayerView)), Text(playerPagePrefix) + shown[2][1]);
}

TEST_F(TitleFindTest, CtrlFOpensTheFieldWhereverTheFocusIs) {
    for (const char* focus : {kCatalogueList, kRouteSelector, kDownloadList}) {
        SetFocus(window->control(focus));
        press({VK_CONTROL, 'F'}, [] { return GetFocus() == edit(); });
        EXPECT_TRUE(fieldOpen()) << focus;
        EXPECT_EQ(GetFocus(), edit()) << focus;
        press({VK_ESCAPE}, [] { return !fieldOpen(); });
        EXPECT_FALSE(fieldOpen()) << focus;
        EXPECT_EQ(GetFocus(), list()) << focus;
    }
}

// The field lies just under the list, as wide as it, over the tips' empty
// first lines, also after the window changes size; it stays whole when the
// window paints everything again.
TEST_F(TitleFindTest, TheFieldLiesUnderTheListOverTheTipsEmptyLines) {
    auto expectUnderTheList = [] {
        RECT under;
        RECT strip;
        RECT tips;
        GetWindowRect(list(), &under);
        GetWindowRect(field(), &strip);
        GetWindowRect(window->control(kTipsLabel), &tips);
        EXPECT_EQ(strip.left, under.left);
        EXPECT_EQ(strip.right, under.right);
        EXPECT_GT(strip.top, under.bottom);
        HWND label = window->control(kTipsLabel);
        TEXTMETRICW metrics = {};
        HDC dc = GetDC(label);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
        ReleaseDC(label, dc);
        EXPECT_LE(strip.bottom, tips.top + 3 * metrics.tmHeight);
    };
    openTitleFind();
    type("江南");
    expectUnderTheList();
    RECT frame;
    GetWindowRect(window->handle(), &frame);
    SetWindowPos(window->handle(), nullptr, 0, 0, frame.right - frame.left + 200,
                 frame.bottom - frame.top + 150, SWP_NOMOVE | SWP_NOZORDER);
    expectUnderTheList();
    SetWindowPos(window->handle(), nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    expectUnderTheList();

    RedrawWindow(window->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const Screenshot shot(window->handle(), L"title_find");
    EXPECT_TRUE(shot.saved());
    RECT editArea;
    GetClientRect(edit(), &editArea);
    const COLORREF paper = GetSysColor(COLOR_WINDOW);
    EXPECT_GT(shot.count(edit(), {editArea.right / 2, 0, editArea.right, editArea.bottom},
                         [paper](COLORREF pixel) { return pixel == paper; }),
              editArea.right / 2 * editArea.bottom * 9 / 10);
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GT(shot.count(edit(), editArea, [ink](COLORREF pixel) { return showsInk(pixel, ink); }),
              20);
}
