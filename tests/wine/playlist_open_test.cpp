// The user's own playlists opened into the real main window: through the
// system's file dialog (Ctrl+O), dropped on the window, from an address
// (Ctrl+L and its dialog), from the command line. What cannot be opened
// leaves the rows as they were and says why; an opened row plays intact.
#include "playlists/playlist_open.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "catalogue/list_actions.h"
#include "common/hosts.h"
#include "common/program_controls.h"
#include "dialog_watcher.h"
#include "later_action.h"
#include "menu_input.h"
#include "playback/playback.h"
#include "program_window.h"
#include "screenshot.h"
#include "service_control.h"
#include "win32/list_view.h"
#include "win32/wide_text.h"
#include "win32/window_text.h"

namespace fs = std::filesystem;

namespace {

using Rows = std::vector<std::pair<std::wstring, std::wstring>>;

const std::wstring kService = L"http://" + toWide(kListServiceHost);

// A playlist with a title in Korean and an emoji, a group, an accented
// title, an address holding characters GBK lacks and a relative address.
const std::string kPlaylist =
    "\xEF\xBB\xBF#EXTM3U\r\n"
    "#EXTINF:-1 tvg-id=\"a\" group-title=\"News, World\",\xED\x95\x9C\xEA\xB5\xAD "
    "\xF0\x9F\x8E\xAC\r\n"
    "http://127.0.0.1:8460/media/\xED\x95\x9C.mp4\r\n"
    "#EXTINF:-1,Caf\xC3\xA9\r\n"
    "clips/two.mp4|User-Agent=x\r\n";

const std::wstring kKoreanTitle = L"[News, World] \uD55C\uAD6D \U0001F3AC";
const std::wstring kKoreanAddress = L"http://127.0.0.1:8460/media/\uD55C.mp4";

// Answers dialogs as a person at the keyboard would: for each step, waits
// for the dialog titled `title`, types `text` into it and presses Enter; the
// text of each message box answered is kept. A dialog still open at the end
// is cancelled, so a failing case cannot hang the test.
class DialogTyper {
  public:
    struct Step {
        std::wstring title;
        std::wstring text;
    };

    explicit DialogTyper(std::vector<Step> steps)
        : thread_([this, steps = std::move(steps)] {
              for (const Step& step : steps) {
                  HWND dialog = nullptr;
                  for (int wait = 0; wait < 250 && !dialog; ++wait) {
                      Sleep(20);
                      dialog = FindWindowW(L"#32770", step.title.c_str());
                  }
                  if (!dialog) {
                      break;
                  }
                  Sleep(300);
                  if (HWND message = GetDlgItem(dialog, 0xFFFF)) {
                      wchar_t said[1024] = {};
                      GetWindowTextW(message, said, 1024);
                      boxes.push_back(said);
                  }
                  SetForegroundWindow(dialog);
                  type(step.text);
                  Sleep(100);
                  sendKey(VK_RETURN);
                  ++answered;
                  Sleep(300);
              }
              Sleep(2000);
              for (const Step& step : steps) {
                  if (HWND left = FindWindowW(L"#32770", step.title.c_str())) {
                      PostMessageW(left, WM_COMMAND, IDCANCEL, 0);
                  }
              }
          }) {}
    ~DialogTyper() { finish(); }
    // Waits until every step is done.
    void finish() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    DialogTyper(const DialogTyper&) = delete;
    DialogTyper& operator=(const DialogTyper&) = delete;

    std::atomic<int> answered = 0;
    std::vector<std::wstring> boxes;  // read after finish()

  private:
    static void type(const std::wstring& text) {
        std::vector<INPUT> keys;
        for (const wchar_t character : text) {
            for (const DWORD flags :
                 {DWORD{KEYEVENTF_UNICODE}, DWORD{KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}}) {
                INPUT input = {};
                input.type = INPUT_KEYBOARD;
                input.ki.wScan = character;
                input.ki.dwFlags = flags;
                keys.push_back(input);
            }
        }
        if (!keys.empty()) {
            SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
        }
    }

    std::thread thread_;
};

class PlaylistOpenTest : public ProgramWindowTest {
  protected:
    static void SetUpTestSuite() {
        ProgramWindowTest::SetUpTestSuite();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = fs::path(temp) / L"nuvri-playlist-test";
        fs::remove_all(folder);
        fs::create_directories(folder / L"appdata");
        // The playlists opened last go among the user's files of this test.
        SetEnvironmentVariableW(L"APPDATA", (folder / L"appdata").c_str());
        std::ofstream(folder / L"mine.m3u8", std::ios::binary) << kPlaylist;
        std::ofstream(folder / L"empty.m3u", std::ios::binary) << "#EXTM3U\r\n# nothing\r\n";
    }

    static void TearDownTestSuite() {
        ProgramWindowTest::TearDownTestSuite();
        SetEnvironmentVariableW(L"APPDATA", nullptr);
        fs::remove_all(folder);
    }

    void SetUp() override {
        beforeFolder = fs::current_path();
        confirmChoice(kRouteSelector, 1);
        before = rows();
        ASSERT_GT(before.size(), 10u);
    }

    static HWND list() { return window->control(kCatalogueList); }
    static std::wstring path(const wchar_t* name) { return (folder / name).wstring(); }

    static Rows rows() {
        Rows shown;
        for (std::int32_t row = 0; row < rowCount(list()); ++row) {
            shown.emplace_back(cellWide(list(), row, 0), cellWide(list(), row, 1));
        }
        return shown;
    }

    static Rows mine() {
        return {{kKoreanTitle, kKoreanAddress}, {L"Caf\u00E9", path(L"clips\\two.mp4")}};
    }

    // Presses `keys` together and lets the messages take the program's own
    // way through the message loop (shortcuts first) until `done` holds.
    static void press(WORD key, WORD modifier, const std::function<bool()>& done) {
        SetForegroundWindow(window->handle());
        sendKey(key, modifier);
        pumpAsTheProgram(done, 10000);
    }

    static inline fs::path folder;
    Rows before;
    fs::path beforeFolder;
};

}  // namespace

TEST_F(PlaylistOpenTest, AFileChosenInTheSystemsDialogFillsTheList) {
    DialogTyper typer({{L"打开播放列表文件", path(L"mine.m3u8")}});
    press('O', VK_CONTROL, [] { return rows() == mine(); });
    EXPECT_EQ(typer.answered, 1);
    EXPECT_EQ(rows(), mine());
    // The program's own folder stays the current one.
    EXPECT_EQ(fs::current_path(), beforeFolder);
    Screenshot shot(window->handle(), L"playlist_opened");
    EXPECT_TRUE(shot.saved());
}

TEST_F(PlaylistOpenTest, AFileDroppedOnTheWindowFillsTheList) {
    const std::wstring dropped = path(L"mine.m3u8");
    const std::size_t size = sizeof(DROPFILES) + (dropped.size() + 2) * sizeof(wchar_t);
    HGLOBAL drop = GlobalAlloc(GHND, size);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    dropped.copy(reinterpret_cast<wchar_t*>(files + 1), dropped.size());
    GlobalUnlock(drop);
    PostMessageW(window->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    pumpUntil([] { return rows() == mine(); });
    EXPECT_EQ(rows(), mine());
}

TEST_F(PlaylistOpenTest, TheCommandLinesFileFillsTheListAndBrowserViewOneStays) {
    const Text shown = windowTitle(window->control(kPlayerView));
    openPlaylistFromCommandLine({path(L"mine.m3u8")});
    EXPECT_EQ(rows(), mine());
    EXPECT_EQ(windowTitle(window->control(kPlayerView)), shown);
}

TEST_F(PlaylistOpenTest, AnAddressTypedInItsDialogFillsTheList) {
    // An address of another scheme is refused in the dialog, which stays
    // with the text selected, so the next one typed replaces it.
    DialogTyper typer({{L"打开播放列表地址", L"ftp://h/list.m3u"},
                       {L"播放列表", L""},
                       {L"打开播放列表地址", kService + L"/playlists/unicode.m3u8"}});
    press('L', VK_CONTROL, [this] { return rows() != before; });
    typer.finish();
    EXPECT_EQ(typer.answered, 3);
    ASSERT_EQ(typer.boxes.size(), 1u);
    EXPECT_TRUE(typer.boxes[0].starts_with(L"只能打开 http 或 https")) << typer.boxes[0];
    const Rows opened = rows();
    ASSERT_FALSE(opened.empty());
    EXPECT_NE(opened, before);
}

TEST_F(PlaylistOpenTest, WhatCannotBeOpenedLeavesTheRowsAndSaysWhy) {
    struct Case {
        const char* name;
        std::function<void()> open;
        const wchar_t* says;
    };
    const Case cases[] = {
        {"missing file", [] { openPlaylistFile(path(L"none.m3u")); }, L"找不到这个播放列表文件"},
        {"no entry", [] { openPlaylistFile(path(L"empty.m3u")); }, L"这个播放列表里没有能放的条目"},
        {"refused address", [] { openPlaylistAddress(L"ftp://127.0.0.1/a.m3u"); },
         L"只能打开 http 或 https"},
        {"no answer", [] { openPlaylistAddress(L"http://127.0.0.1:1/a.m3u"); },
         L"取不到这个播放列表，请检查"},
        {"error status", [] { openPlaylistAddress(kService + L"/playlists/none.m3u"); },
         L"取不到这个播放列表，服务器回答 404"},
        {"file over 64 MB", [] { openPlaylistFile(path(L"large.m3u")); },
         L"这个播放列表文件超过 64 MB"},
    };
    // A file just over the limit, of no content at all: it is refused by its
    // size, before a byte is read.
    {
        HANDLE large = CreateFileW(path(L"large.m3u").c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER size = {};
        size.QuadPart = (64 << 20) + 1;
        ASSERT_TRUE(SetFilePointerEx(large, size, nullptr, FILE_BEGIN) && SetEndOfFile(large));
        CloseHandle(large);
    }
    for (const Case& failing : cases) {
        DialogWatcher box(IDOK);
        failing.open();
        EXPECT_EQ(box.boxesSeen, 1) << failing.name;
        EXPECT_TRUE(box.text.starts_with(failing.says)) << failing.name;
        EXPECT_EQ(rows(), before) << failing.name;
    }
}

// A later action while the playlist's address is fetched takes the rows; the
// playlist arriving after it writes none.
TEST_F(PlaylistOpenTest, AFetchOvertakenByALaterChoiceWritesNoRows) {
    serviceControl("fault?path=" + percentEncoded("/playlists/basic.m3u8") + "&mode=delay&ms=1500");
    confirmChoice(kRouteSelector, 0);
    const Rows route0 = rows();
    confirmChoice(kRouteSelector, 1);
    ASSERT_TRUE(overtake([] { openPlaylistAddress(kService + L"/playlists/basic.m3u8"); },
                         [] { confirmChoice(kRouteSelector, 0); }));
    serviceControl("reset");
    EXPECT_EQ(rows(), route0);
}

TEST_F(PlaylistOpenTest, AnOpenedRowPlaysWithItsTextsIntactOnADoubleClick) {
    const std::wstring title = wideWindowText(window->handle());
    openPlaylistFile(path(L"mine.m3u8"));
    // Opening says nothing new in the window title.
    EXPECT_EQ(wideWindowText(window->handle()), title);
    RECT cell;
    ListView_GetItemRect(list(), 0, &cell, LVIR_LABEL);
    POINT point = {cell.left + 20, (cell.top + cell.bottom) / 2};
    ClientToScreen(list(), &point);
    SetForegroundWindow(window->handle());
    SetCursorPos(point.x, point.y);
    for (int click = 0; click < 2; ++click) {
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        sendMouse(MOUSEEVENTF_LEFTUP);
    }
    HWND player = window->control(kPlayerView);
    pumpUntil([&] { return wideWindowText(player) == toWide(playerPagePrefix) + kKoreanAddress; });
    EXPECT_EQ(wideWindowText(player), toWide(playerPagePrefix) + kKoreanAddress);
    EXPECT_EQ(wideWindowText(window->handle()), toWide(kPlayingTitlePrefix) + kKoreanTitle);
}

TEST_F(PlaylistOpenTest, TheFivePlaylistsOpenedLastAreOfferedAgainInTheMenu) {
    for (const std::wstring number : {L"1", L"2", L"3", L"4", L"5", L"6"}) {
        std::ofstream(folder / (number + L".m3u"), std::ios::binary)
            << "http://h/" << fromWide(number) << ".mp4\n";
        openPlaylistFile(path((number + L".m3u").c_str()));
    }
    // Below the rows, the menu's last entry is the oldest of the five; Up
    // from the top goes to it.
    RECT last;
    ListView_GetItemRect(list(), 0, &last, LVIR_BOUNDS);
    POINT below = {last.left + 40, last.bottom + 30};
    ClientToScreen(list(), &below);
    MenuWatcher watcher(window->handle(), L"playlist_recent_menu", {VK_UP, VK_RETURN});
    SetCursorPos(below.x, below.y);
    sendMouse(MOUSEEVENTF_RIGHTDOWN);
    sendMouse(MOUSEEVENTF_RIGHTUP);
    pumpUntil([&] { return watcher.finished.load(); });
    pumpUntil([] { return rows() == Rows{{L"2.mp4", L"http://h/2.mp4"}}; });
    const std::vector<std::wstring> recent = {L"&1 6.m3u", L"&2 5.m3u", L"&3 4.m3u", L"&4 3.m3u",
                                              L"&5 2.m3u"};
    ASSERT_GE(watcher.entries.size(), recent.size());
    EXPECT_EQ(std::vector<std::wstring>(watcher.entries.end() - 5, watcher.entries.end()), recent);
    EXPECT_EQ(rows(), (Rows{{L"2.mp4", L"http://h/2.mp4"}}));
}
