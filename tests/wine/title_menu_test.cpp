// The main list's context menu in the real main window: a right click or the
// keyboard shows it for a row; its entries play, hand the address to the
// system's player and copy it; Enter plays as a double click does.
#include "title_menu/title_menu.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "build_path.h"
#include "catalogue/web_address.h"
#include "clipboard_data.h"
#include "common/program_controls.h"
#include "dialog_watcher.h"
#include "menu_input.h"
#include "my_lists/my_lists.h"
#include "playback/playback.h"
#include "program_window.h"
#include "title_menu/system_player.h"
#include "win32/browser_view.h"
#include "win32/list_view.h"
#include "win32/window_text.h"

namespace {

struct Title {
    Text title;
    Text address;
};

const Title kTitles[] = {
    {"大话西游", "http://127.0.0.1:8460/media/1.mp4"},
    {"功夫 Kung Fu", "http://127.0.0.1:8460/视频/2.mp4?x=1&y=2"},
    {"新闻直播", "rtmp://127.0.0.1/live/3"},
};

const Text kNothingPlayed = "http://127.0.0.1:8460/nothing-played";

const std::vector<std::wstring> kOwnLists = {
    L"我的收藏", L"最近播放", L"", L"打开播放列表文件…\tCtrl+O", L"打开播放列表地址…\tCtrl+L"};
const std::vector<std::wstring> kRowEntries = {L"播放",
                                               L"用系统播放器打开",
                                               L"复制视频地址",
                                               L"加入收藏",
                                               L"查找…\tCtrl+F",
                                               L"",
                                               L"我的收藏",
                                               L"最近播放",
                                               L"",
                                               L"打开播放列表文件…\tCtrl+O",
                                               L"打开播放列表地址…\tCtrl+L"};

class TitleMenuTest : public ProgramWindowTest {
  protected:
    // The user's lists go to a folder of the test's own.
    void SetUp() override {
        appData_ = std::filesystem::temp_directory_path() /
                   (L"nuvri-title-menu-" + std::to_wstring(GetCurrentProcessId()));
        std::filesystem::remove_all(appData_);
        std::filesystem::create_directories(appData_);
        SetEnvironmentVariableW(L"APPDATA", appData_.c_str());
        deleteAllRows(list());
        for (const Title& title : kTitles) {
            const std::int32_t row = appendRow(list());
            setCellText(list(), row, 0, title.title);
            setCellText(list(), row, 1, title.address);
        }
        ListView_SetItemState(list(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        setBrowserAddress(player(), kNothingPlayed);
        SetForegroundWindow(window->handle());
        SetFocus(list());
    }

    void TearDown() override {
        SetEnvironmentVariableW(L"APPDATA", nullptr);
        std::filesystem::remove_all(appData_);
    }

    static HWND list() { return window->control(kCatalogueList); }
    static HWND player() { return window->control(kPlayerView); }

    static std::vector<Title> rows() {
        std::vector<Title> found;
        for (int row = 0; row < rowCount(list()); ++row) {
            found.push_back({cellText(list(), row, 0), cellText(list(), row, 1)});
        }
        return found;
    }

    // Right-clicks `row` and chooses `entry` of a row's menu with the arrow
    // keys, which pass over the separator; returns the entries the menu showed.
    static std::vector<std::wstring> chooseOnRow(int row, const std::wstring& entry) {
        std::vector<WORD> keys;
        for (const std::wstring& before : kRowEntries) {
            if (!before.empty()) {
                keys.push_back(VK_DOWN);
            }
            if (before == entry || (before == L"加入收藏" && entry == L"取消收藏")) {
                break;
            }
        }
        keys.push_back(VK_RETURN);
        MenuWatcher watcher(window->handle(), L"title_menu_choice", keys);
        rightClick(rowPoint(row), watcher);
        return watcher.entries;
    }

    // The middle of `row`'s title cell in screen coordinates.
    static POINT rowPoint(int row) {
        RECT cell;
        ListView_GetItemRect(list(), row, &cell, LVIR_LABEL);
        POINT point = {cell.left + 20, (cell.top + cell.bottom) / 2};
        ClientToScreen(list(), &point);
        return point;
    }

    // Right-clicks at `point` with real mouse input while `watcher` handles the menu.
    static void rightClick(POINT point, MenuWatcher& watcher) {
        SetCursorPos(point.x, point.y);
        sendMouse(MOUSEEVENTF_RIGHTDOWN);
        sendMouse(MOUSEEVENTF_RIGHTUP);
        pumpUntil([&] { return watcher.finished.load(); });
        pumpUntil([] { return !visibleMenuWindow(); });
    }

    static void expectPlaying(const Title& title) {
        EXPECT_EQ(browserAddress(player()), Text(playerPagePrefix) + title.address);
        EXPECT_EQ(windowTitle(window->handle()), Text(kPlayingTitlePrefix) + title.title);
    }

  private:
    std::filesystem::path appData_;
};

bool operator==(const Title& a, const Title& b) {
    return a.title == b.title && a.address == b.address;
}

TEST_F(TitleMenuTest, RightClickOnARowSelectsItAndOffersWhatCanBeDoneWithIt) {
    const POINT point = rowPoint(1);
    {
        MenuWatcher watcher(window->handle(), L"title_menu_on_row", {VK_ESCAPE});
        rightClick(point, watcher);
        ASSERT_NE(watcher.menu.load(), nullptr);
        EXPECT_NEAR(watcher.place.left, point.x, 2);
        EXPECT_NEAR(watcher.place.top, point.y, 2);
        EXPECT_EQ(watcher.entries, kRowEntries);
        EXPECT_TRUE(watcher.shotSaved);
    }
    EXPECT_EQ(selectedRow(list()), 1);
    // Esc chose nothing.
    EXPECT_EQ(browserAddress(player()), kNothingPlayed);
}

TEST_F(TitleMenuTest, RightClickBelowTheRowsOffersTheOwnListsOnly) {
    RECT last;
    ListView_GetItemRect(list(), 2, &last, LVIR_BOUNDS);
    POINT below = {last.left + 40, last.bottom + 30};
    ClientToScreen(list(), &below);
    MenuWatcher watcher(window->handle(), L"title_menu_below_rows", {VK_ESCAPE});
    rightClick(below, watcher);
    EXPECT_EQ(watcher.entries, kOwnLists);
}

TEST_F(TitleMenuTest, FavouritesAreAddedShownAndRemovedFromTheMenu) {
    chooseOnRow(1, L"加入收藏");
    chooseOnRow(2, L"加入收藏");
    // The list of favourites, newest first, leaves the player alone.
    chooseOnRow(0, L"我的收藏");
    EXPECT_EQ(rows(), (std::vector<Title>{kTitles[2], kTitles[1]}));
    EXPECT_EQ(browserAddress(player()), kNothingPlayed);
    // A favourite's menu offers to remove it.
    const std::vector<std::wstring> entries = chooseOnRow(0, L"取消收藏");
    EXPECT_EQ(entries[3], L"取消收藏");
    chooseOnRow(0, L"我的收藏");
    EXPECT_EQ(rows(), (std::vector<Title>{kTitles[1]}));
}

TEST_F(TitleMenuTest, FindOpensTheFindFieldAsCtrlFDoes) {
    chooseOnRow(0, L"查找…\tCtrl+F");
    wchar_t kind[16] = {};
    GetClassNameW(GetFocus(), kind, 16);
    EXPECT_STREQ(kind, L"Edit");
    sendKey(VK_ESCAPE);
    pumpUntil([] { return GetFocus() == list(); });
    EXPECT_EQ(GetFocus(), list());
}

TEST_F(TitleMenuTest, EveryWayOfPlayingIsRememberedNewestFirst) {
    chooseOnRow(0, L"播放");
    selectRow(list(), 1);
    sendKey(VK_RETURN);
    pumpUntil(
        [] { return browserAddress(player()) != Text(playerPagePrefix) + kTitles[0].address; });
    chooseOnRow(0, L"播放");  // played again: it moves to the top
    chooseOnRow(0, L"最近播放");
    EXPECT_EQ(rows(), (std::vector<Title>{kTitles[0], kTitles[1]}));
}

TEST_F(TitleMenuTest, ShiftF10AndTheMenuKeyOpenTheMenuAtTheSelectedRow) {
    for (const auto& [key, modifier] : {std::pair<WORD, WORD>{VK_F10, VK_SHIFT}, {VK_APPS, 0}}) {
        selectRow(list(), 2);
        const POINT expected = rowMenuPoint(list(), 2);
        MenuWatcher watcher(window->handle(), L"title_menu_from_keyboard", {VK_ESCAPE});
        sendKey(key, modifier);
        pumpUntil([&] { return watcher.finished.load(); });
        pumpUntil([] { return !visibleMenuWindow(); });
        ASSERT_NE(watcher.menu.load(), nullptr) << key;
        EXPECT_NEAR(watcher.place.left, expected.x, 2) << key;
        EXPECT_NEAR(watcher.place.top, expected.y, 2) << key;
        EXPECT_EQ(watcher.entries, kRowEntries) << key;
    }
}

TEST_F(TitleMenuTest, PlayEnterAndADoubleClickPlayTheRowAlike) {
    {
        // Down from no highlighted entry lands on the first, "播放".
        MenuWatcher watcher(window->handle(), L"title_menu_play", {VK_DOWN, VK_RETURN});
        rightClick(rowPoint(0), watcher);
    }
    expectPlaying(kTitles[0]);

    selectRow(list(), 1);
    sendKey(VK_RETURN);
    pumpUntil(
        [] { return browserAddress(player()) != Text(playerPagePrefix) + kTitles[0].address; });
    expectPlaying(kTitles[1]);

    const POINT point = rowPoint(2);
    SetCursorPos(point.x, point.y);
    for (int click = 0; click < 2; ++click) {
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        sendMouse(MOUSEEVENTF_LEFTUP);
    }
    pumpUntil(
        [] { return browserAddress(player()) != Text(playerPagePrefix) + kTitles[1].address; });
    expectPlaying(kTitles[2]);
}

TEST_F(TitleMenuTest, EnterWithoutASelectedRowPlaysNothing) {
    sendKey(VK_RETURN);
    const DWORD until = GetTickCount() + 300;
    pumpUntil([&] { return GetTickCount() > until; });
    EXPECT_EQ(browserAddress(player()), kNothingPlayed);
}

TEST_F(TitleMenuTest, CopyPutsTheAddressOnTheClipboardAsUnicodeAndAsGbk) {
    {
        MenuWatcher watcher(window->handle(), L"title_menu_copy",
                            {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
        rightClick(rowPoint(1), watcher);
    }
    EXPECT_EQ(clipboardData<char>(CF_TEXT), kTitles[1].address);
    EXPECT_EQ(clipboardData<wchar_t>(CF_UNICODETEXT), L"http://127.0.0.1:8460/视频/2.mp4?x=1&y=2");
}

// Wine's shell hands web addresses to the desktop's browser; the test points
// that hand-off at a script that records what it is given.
class SystemPlayerTest : public TitleMenuTest {
  protected:
    void SetUp() override {
        TitleMenuTest::SetUp();
        DeleteFileW(log().c_str());
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        const std::wstring recorder =
            std::wstring(RECORD_OPENED, RECORD_OPENED + sizeof RECORD_OPENED - 1);
        RegSetValueExW(key_, L"Browsers", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(recorder.c_str()),
                       static_cast<DWORD>((recorder.size() + 1) * sizeof(wchar_t)));
    }
    void TearDown() override {
        RegDeleteValueW(key_, L"Browsers");
        RegCloseKey(key_);
        TitleMenuTest::TearDown();
    }

    static std::wstring log() {
        const std::string script = RECORD_OPENED;
        return buildFilePath(script.substr(0, script.rfind('/')) + "/opened.log");
    }

    static std::vector<std::string> opened() {
        std::vector<std::string> lines;
        std::ifstream file{std::filesystem::path(log())};
        for (std::string line; std::getline(file, line);) {
            lines.push_back(line);
        }
        return lines;
    }

  private:
    HKEY key_ = nullptr;
};

TEST_F(SystemPlayerTest, OnlyWebAndStreamAddressesReachTheSystemAndThoseIntact) {
    // Through the menu, as a user would, with an address that holds what a
    // command line could split.
    setCellText(list(), 1, 1, "http://127.0.0.1:8460/视频/2.mp4?x=1&y=\"a b\"");
    {
        MenuWatcher watcher(window->handle(), L"title_menu_system_player",
                            {VK_DOWN, VK_DOWN, VK_RETURN});
        rightClick(rowPoint(1), watcher);
    }
    // What went to the system's player counts as played.
    showRecentlyPlayed();
    ASSERT_EQ(rowCount(list()), 1);
    EXPECT_EQ(cellText(list(), 0, 1), "http://127.0.0.1:8460/视频/2.mp4?x=1&y=\"a b\"");
    const Text refused[] = {
        "file:///C:/windows/system32/calc.exe",
        "C:\\windows\\system32\\calc.exe",
        "javascript:alert('http://h/')",
        "cmd /c calc",
        "http:///C:/a.exe",
        "",
    };
    for (const Text& address : refused) {
        DialogWatcher box(IDOK);
        EXPECT_FALSE(openInSystemPlayer(address)) << address;
        EXPECT_EQ(box.boxesSeen, 1) << address;
        EXPECT_EQ(box.owner, window->handle()) << address;
        EXPECT_TRUE(box.text.starts_with(address.empty() ? L"这一行没有视频地址" : L"只有 http"))
            << address;
    }
    // The hand-off is not waited for: give a refused one time to show.
    pumpUntil([] { return !opened().empty(); });
    Sleep(500);
    const std::vector<std::string> expected = {
        "http://127.0.0.1:8460/%E8%A7%86%E9%A2%91/2.mp4?x=1&y=%22a%20b%22"};
    EXPECT_EQ(opened(), expected);
}

}  // namespace
