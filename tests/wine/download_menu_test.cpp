// The download list's context menu in the real main window: a right click
// shows it at the cursor, and its entries copy, clear and open addresses.
#include "catalogue/download_menu.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clipboard_data.h"
#include "common/program_controls.h"
#include "menu_input.h"
#include "program_window.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/shell_open.h"

namespace {

struct DownloadRow {
    Text title;
    Text address;
};

const DownloadRow kRows[] = {
    {"经典武侠合集-Nuvri福利下载-", "http://127.0.0.1:8460/download/33-v1.mp4"},
    {"喜剧电影精选-Nuvri福利下载-", "http://127.0.0.1:8460/download/33-v2.mp4"},
};

class DownloadMenuTest : public ProgramWindowTest {
  protected:
    void SetUp() override {
        fillDownloads();
        deleteAllRows(catalogue());
        select(catalogue(), -1);
    }

    static HWND downloads() { return window->control(kDownloadList); }
    static HWND catalogue() { return window->control(kCatalogueList); }

    static void fillDownloads() {
        deleteAllRows(downloads());
        for (const DownloadRow& row : kRows) {
            const std::int32_t index = appendRow(downloads());
            setCellText(downloads(), index, 0, std::to_string(index + 1));
            setCellText(downloads(), index, 1, row.title);
            setCellText(downloads(), index, 2, row.address);
        }
    }

    // Selects only `row`, or nothing for -1.
    static void select(HWND list, int row) {
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        if (row >= 0) {
            ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
        }
    }

    // Chooses the menu's entry at 1-based `position` as the menu reports it.
    static void choose(int position) {
        const UINT id = GetMenuItemID(window->popupMenu(kDownloadMenu), position - 1);
        SendMessageW(window->handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }

    // Right-clicks the download list at `point` (client coordinates) with
    // real mouse input while a watcher handles the menu; the cursor's screen
    // position is returned in `cursor`.
    static void rightClick(POINT point, MenuWatcher& watcher, POINT& cursor) {
        SetForegroundWindow(window->handle());
        cursor = point;
        ClientToScreen(downloads(), &cursor);
        SetCursorPos(cursor.x, cursor.y);
        sendMouse(MOUSEEVENTF_RIGHTDOWN);
        sendMouse(MOUSEEVENTF_RIGHTUP);
        pumpUntil([&] { return watcher.finished.load(); });
        pumpUntil([] { return !visibleMenuWindow(); });
    }
};

// The menu shows with its top left corner at the cursor.
void expectMenuAtCursor(const MenuWatcher& watcher, POINT cursor) {
    ASSERT_NE(watcher.menu.load(), nullptr);
    EXPECT_NEAR(watcher.place.left, cursor.x, 2);
    EXPECT_NEAR(watcher.place.top, cursor.y, 2);
    EXPECT_GT(watcher.place.bottom - watcher.place.top, 3 * 10);
    EXPECT_TRUE(watcher.shotSaved);
}

}  // namespace

TEST_F(DownloadMenuTest, RightClickOnARowShowsTheMenuAndCopiesThatRow) {
    RECT second;
    ListView_GetItemRect(downloads(), 1, &second, LVIR_LABEL);
    toClipboard("sentinel");
    POINT cursor;
    {
        MenuWatcher watcher(window->handle(), L"download_menu_on_row",
                            {VK_DOWN, VK_DOWN, VK_RETURN});
        rightClick({second.left + 20, (second.top + second.bottom) / 2}, watcher, cursor);
        expectMenuAtCursor(watcher, cursor);
    }
    // The right click selected the row under the cursor.
    EXPECT_EQ(selectedRow(downloads()), 1);
    EXPECT_EQ(clipboardData<char>(CF_TEXT),
              Text("喜剧电影精选-Nuvri福利下载--Nuvri福利下载-") + kRows[1].address);
}

TEST_F(DownloadMenuTest, RightClickBelowTheRowsShowsTheMenuToo) {
    RECT last;
    ListView_GetItemRect(downloads(), 1, &last, LVIR_BOUNDS);
    RECT client;
    GetClientRect(downloads(), &client);
    ASSERT_LT(last.bottom + 20, client.bottom);
    POINT cursor;
    {
        // Up from no highlighted entry lands on the last one, "清空".
        MenuWatcher watcher(window->handle(), L"download_menu_below_rows", {VK_UP, VK_RETURN});
        rightClick({300, last.bottom + 20}, watcher, cursor);
        expectMenuAtCursor(watcher, cursor);
    }
    EXPECT_EQ(rowCount(downloads()), 0);
}

TEST_F(DownloadMenuTest, CopyJoinsTheDownloadRowsTitleAndAddress) {
    select(downloads(), 0);
    choose(2);
    const Text expected = Text("经典武侠合集-Nuvri福利下载--Nuvri福利下载-") + kRows[0].address;
    EXPECT_EQ(clipboardData<char>(CF_TEXT), expected);
    EXPECT_EQ(
        clipboardData<wchar_t>(CF_UNICODETEXT),
        L"经典武侠合集-Nuvri福利下载--Nuvri福利下载-http://127.0.0.1:8460/download/33-v1.mp4");
}

TEST_F(DownloadMenuTest, ASelectedMainListRowTakesTheTitlesPlace) {
    for (int row = 0; row < 3; ++row) {
        appendRow(catalogue());
        setCellText(catalogue(), row, 0, "节目" + std::to_string(row));
        setCellText(catalogue(), row, 1, "http://h/media/" + std::to_string(row) + ".mp4");
    }
    select(catalogue(), 2);

    select(downloads(), 1);
    choose(2);
    EXPECT_EQ(clipboardData<char>(CF_TEXT),
              "http://h/media/2.mp4-Nuvri福利下载-" + kRows[1].address);
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT),
              L"http://h/media/2.mp4-Nuvri福利下载-http://127.0.0.1:8460/download/33-v2.mp4");

    select(downloads(), -1);
    choose(2);
    EXPECT_EQ(clipboardData<char>(CF_TEXT), "http://h/media/2.mp4-Nuvri福利下载-");
}

TEST_F(DownloadMenuTest, CopyWithNothingSelectedLeavesTheClipboard) {
    select(downloads(), -1);
    ASSERT_TRUE(toClipboard("剪贴板原有内容"));
    choose(2);
    EXPECT_EQ(clipboardData<char>(CF_TEXT), "剪贴板原有内容");
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT), L"剪贴板原有内容");
}

TEST_F(DownloadMenuTest, ClearEmptiesTheListWhetherFilledOrNot) {
    select(downloads(), 0);
    choose(3);
    EXPECT_EQ(rowCount(downloads()), 0);
    EXPECT_EQ(selectedRow(downloads()), -1);
    choose(3);
    EXPECT_EQ(rowCount(downloads()), 0);
    // The emptied list takes new rows from the top.
    fillDownloads();
    EXPECT_EQ(cellText(downloads(), 0, 2), kRows[0].address);
}

// A download address that names a local batch file would run it if handed to
// the shell; the probe batch file leaves a marker file when it runs.
TEST_F(DownloadMenuTest, OpenHandsTheShellNoLocalFileAndNothingWithoutASelection) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    auto probe = [&](const char* name) {
        const Text batch = Text(folder) + name + ".bat";
        const Text marker = Text(folder) + name + ".ran";
        DeleteFileA(marker.c_str());
        if (FILE* file = std::fopen(batch.c_str(), "w")) {
            std::fprintf(file, "@echo ran> \"%s\"\r\n", marker.c_str());
            std::fclose(file);
        }
        return std::pair{batch, marker};
    };
    const auto [refused, refusedMarker] = probe("nuvri_download_refused");
    const auto [control, controlMarker] = probe("nuvri_download_control");

    setCellText(downloads(), 0, 2, refused);
    select(downloads(), -1);
    choose(1);
    select(downloads(), 0);
    choose(1);

    // The same file handed to the shell directly does run, so by the time its
    // marker shows, a run of the refused one would have shown too.
    openInDefaultBrowser(control);
    pumpUntil([&] { return GetFileAttributesA(controlMarker.c_str()) != INVALID_FILE_ATTRIBUTES; });
    EXPECT_NE(GetFileAttributesA(controlMarker.c_str()), INVALID_FILE_ATTRIBUTES);
    Sleep(500);
    EXPECT_EQ(GetFileAttributesA(refusedMarker.c_str()), INVALID_FILE_ATTRIBUTES);
    for (const Text& file : {refused, refusedMarker, control, controlMarker}) {
        DeleteFileA(file.c_str());
    }
}
