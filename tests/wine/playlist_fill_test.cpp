// The route selector and playback in the real main window: each route fills
// the main list from its playlist, a double click plays the selected row.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/embedded_fill.h"
#include "catalogue/embedded_playlists.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "playback/playback.h"
#include "program_window.h"
#include "win32/browser_view.h"
#include "win32/combo_choice.h"
#include "win32/list_view.h"
#include "win32/standard_controls.h"
#include "win32/window_text.h"

namespace {

// The text of field `tag` of record `record` (1-based) of a playlist, read
// straight from its bytes.
Text recordField(std::string_view playlist, int record, std::string_view tag) {
    std::size_t start = 0;
    for (int i = 1; i < record; ++i) {
        start = playlist.find("\r\n", start) + 2;
    }
    const std::string_view line = playlist.substr(start, playlist.find("\r\n", start) - start);
    const std::size_t field = line.find(tag) + tag.size();
    return Text(line.substr(field, line.find('|', field) - field));
}

class PlaylistFillTest : public ProgramWindowTest {
  protected:
    static HWND list() { return window->control(kCatalogueList); }

    // Confirms route item `item` as the combo box does once the user's
    // choice is in.
    static void chooseRoute(int item) {
        HWND routes = window->control(kRouteSelector);
        SendMessageW(routes, CB_SETCURSEL, item, 0);
        SendMessageW(window->handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(routes), kComboChoiceConfirmed),
                     reinterpret_cast<LPARAM>(routes));
    }
};

}  // namespace

TEST_F(PlaylistFillTest, EveryRouteFillsTheRowsOfItsPlaylist) {
    const int rows[] = {1489, 799, 1226, 999, 999, 999, 998, 999, 999, 1000, 999, 1226};
    for (int item = 0; item < 12; ++item) {
        chooseRoute(item);
        EXPECT_EQ(rowCount(list()), rows[item]) << "route item " << item;
        EXPECT_EQ(count(programState()->itemTitles), rows[item]) << "route item " << item;
    }
    // The empty last item leaves the list as it was.
    chooseRoute(12);
    EXPECT_EQ(rowCount(list()), 1226);
}

TEST_F(PlaylistFillTest, RowsPairTitlesAndAddressesInOrderOfAppearance) {
    chooseRoute(0);
    const std::string_view collection = embeddedPlaylist(EmbeddedPlaylist::Collection);
    for (int row = 0; row < rowCount(list()); row += 97) {
        EXPECT_EQ(cellText(list(), row, 0), recordField(collection, row + 1, "<Nuvri老司机>"));
        EXPECT_EQ(cellText(list(), row, 0).substr(0, 1), ">");
        EXPECT_EQ(cellText(list(), row, 1), recordField(collection, row + 1, "<车牌号>"));
        EXPECT_EQ(cellText(list(), row, 2), "");
    }

    // Route 6's first record lacks the "<" of its title tag: row 0 pairs the
    // second record's title with the first record's address.
    chooseRoute(6);
    const std::string_view route6 = embeddedPlaylist(EmbeddedPlaylist::Route6);
    EXPECT_EQ(cellText(list(), 0, 0), recordField(route6, 2, "<视频>"));
    EXPECT_EQ(cellText(list(), 0, 1), recordField(route6, 1, "<地址>"));

    // Item 11 is route 2 again.
    chooseRoute(2);
    const Text firstOfRoute2 = cellText(list(), 0, 0);
    const Text lastOfRoute2 = cellText(list(), 1225, 1);
    chooseRoute(11);
    EXPECT_EQ(cellText(list(), 0, 0), firstOfRoute2);
    EXPECT_EQ(cellText(list(), 1225, 1), lastOfRoute2);
}

TEST_F(PlaylistFillTest, FewerAddressesThanTitlesFillOnlyCompleteRows) {
    fillFromEmbeddedPlaylist("<视频>一|<地址>http://h/1.mp4|\r\n<视频>二|\r\n<视频>三|", "<视频>",
                             "<地址>");
    EXPECT_EQ(rowCount(list()), 1);
    EXPECT_EQ(cellText(list(), 0, 0), "一");
}

TEST_F(PlaylistFillTest, ASelectionDuringAFillLeavesExactlyTheLaterRows) {
    // The second choice is queued; the first fill's extraction lets the window
    // process it, so it runs in the middle of the first fill.
    HWND routes = window->control(kRouteSelector);
    SendMessageW(routes, CB_SETCURSEL, 1, 0);
    PostMessageW(GetParent(routes), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(routes), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(routes));
    fillFromEmbeddedPlaylist(embeddedPlaylist(EmbeddedPlaylist::Collection), "<Nuvri老司机>",
                             "<车牌号>");
    EXPECT_EQ(rowCount(list()), 799);
    EXPECT_EQ(count(programState()->itemTitles), 799);
    EXPECT_EQ(cellText(list(), 0, 0),
              recordField(embeddedPlaylist(EmbeddedPlaylist::Route1), 1, "<视频>"));
}

TEST_F(PlaylistFillTest, DoubleClickPlaysTheSelectedRow) {
    chooseRoute(3);
    const int row = 5;
    ListView_SetItemState(list(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list(), row, FALSE);
    RECT cell;
    ListView_GetItemRect(list(), row, &cell, LVIR_LABEL);
    SendMessageW(list(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2));

    HWND player = window->control(kPlayerView);
    EXPECT_EQ(browserAddress(player), Text(playerPagePrefix) + cellText(list(), row, 1));
    EXPECT_EQ(windowTitle(window->handle()),
              Text("Nuvri福利播放器| 正在播放：") + cellText(list(), row, 0));
    EXPECT_NE(cellText(list(), row, 1), "");
}

TEST_F(PlaylistFillTest, DoubleClickWithoutSelectionPlaysThePrefixAlone) {
    chooseRoute(3);
    ListView_SetItemState(list(), -1, 0, LVIS_SELECTED);
    onCatalogueRowDoubleClicked();
    EXPECT_EQ(browserAddress(window->control(kPlayerView)), playerPagePrefix);
    EXPECT_EQ(windowTitle(window->handle()), "Nuvri福利播放器| 正在播放：");
}

// The list keeps no text of its own: what it shows and reports is asked of
// the rows kept beside it, row for row, also texts GBK lacks and long ones.
TEST_F(PlaylistFillTest, TheListShowsExactlyTheRowsKeptBesideIt) {
    auto shown = [](int row, int column) {
        wchar_t buffer[512] = {};
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 512;
        SendMessageW(list(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return std::wstring(buffer);
    };
    chooseRoute(0);
    ASSERT_EQ(ListView_GetItemCount(list()), rowCount(list()));
    for (int row : {0, 700, rowCount(list()) - 1}) {
        EXPECT_EQ(shown(row, 0), cellWide(list(), row, 0)) << row;
        EXPECT_EQ(shown(row, 1), cellWide(list(), row, 1)) << row;
    }
    EXPECT_EQ(shown(rowCount(list()), 0), L"");

    const std::wstring korean = L"\uD55C\uAD6D\uC5B4 \U0001F3AC caf\u00E9";
    const std::wstring longAddress = L"http://h/" + std::wstring(3000, L'a');
    {
        const RowBatch batch(list());
        deleteAllRows(list());
        for (const wchar_t* title : {L"apple", L"banana", L"Blue", korean.c_str()}) {
            setCellWide(list(), appendRow(list()), 0, title);
        }
        setCellWide(list(), 3, 1, longAddress);
        // Until the batch ends the list need not know its rows.
    }
    ASSERT_EQ(ListView_GetItemCount(list()), 4);
    EXPECT_EQ(shown(3, 0), korean);
    EXPECT_EQ(cellWide(list(), 3, 1), longAddress);
    EXPECT_EQ(shown(3, 1), longAddress.substr(0, 511));

    // Letters typed into the list go to the next title that begins with them.
    SetFocus(list());
    selectRow(list(), 0);
    SendMessageW(list(), WM_CHAR, L'b', 1);
    SendMessageW(list(), WM_CHAR, L'l', 1);
    EXPECT_EQ(selectedRow(list()), 2);
}
