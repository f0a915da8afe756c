// Favourites and recently played titles in the real main window, kept in an
// application-data folder of each test's whose name holds characters GBK
// lacks.
#include "my_lists/my_lists.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/embedded_playlists.h"
#include "common/program_controls.h"
#include "common/user_files.h"
#include "common/utf8_to_gbk.h"
#include "dialog_watcher.h"
#include "later_action.h"
#include "my_lists/list_store.h"
#include "playback/playback.h"
#include "program_window.h"
#include "screenshot.h"
#include "win32/browser_view.h"
#include "win32/combo_choice.h"
#include "win32/list_view.h"
#include "win32/window_text.h"

namespace {

namespace fs = std::filesystem;

class MyListsTest : public ProgramWindowTest {
  protected:
    void SetUp() override {
        static int number = 0;
        appData_ = fs::temp_directory_path() /
                   (L"nuvri-lists-\uD55C\uAD6D-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(++number));
        fs::create_directories(appData_ / L"Nuvri");
        SetEnvironmentVariableW(L"APPDATA", appData_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"APPDATA", nullptr);
        fs::remove_all(appData_);
    }

    static HWND list() { return window->control(kCatalogueList); }

    fs::path file(const wchar_t* name) const { return appData_ / L"Nuvri" / name; }
    std::string fileBytes(const wchar_t* name) const {
        std::ostringstream bytes;
        bytes << std::ifstream(file(name), std::ios::binary).rdbuf();
        return bytes.str();
    }
    void writeFile(const wchar_t* name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }

    // The main list's rows as "title|address".
    static std::vector<Text> rows() {
        std::vector<Text> shown;
        for (int row = 0; row < rowCount(list()); ++row) {
            shown.push_back(cellText(list(), row, 0) + "|" + cellText(list(), row, 1));
        }
        return shown;
    }

  private:
    fs::path appData_;
};

using Rows = std::vector<Text>;

TEST_F(MyListsTest, ShowsFillTheListNewestFirstAndLeaveThePlayerAlone) {
    HWND player = window->control(kPlayerView);
    setBrowserAddress(player, Text(playerPagePrefix) + "http://h/playing.mp4");
    setWindowTitle(window->handle(), Text(kPlayingTitlePrefix) + "正在看的");
    const Text address = browserAddress(player);

    addFavourite("第一\t部", "http://h/1.mp4");
    addFavourite("第二部", "http://h/2.mp4");
    addFavourite("第三部", "http://h/3.mp4");
    addFavourite("第一部（新）", "http://h/1.mp4");
    removeFavourite("http://h/3.mp4");
    rememberPlayed("看过的", "http://h/p.mp4");
    EXPECT_TRUE(isFavourite("http://h/2.mp4"));
    EXPECT_FALSE(isFavourite("http://h/3.mp4"));

    showFavourites();
    EXPECT_EQ(rows(), (Rows{"第一部（新）|http://h/1.mp4", "第二部|http://h/2.mp4"}));
    EXPECT_EQ(browserAddress(player), address);
    EXPECT_EQ(windowTitle(window->handle()), Text(kPlayingTitlePrefix) + "正在看的");
    EXPECT_TRUE(saveScreenshot(window->handle(), L"my_lists_favourites"));
    // What a person finds in the folder.
    EXPECT_EQ(fileBytes(L"favourites.txt"), "# " + gbkToUtf8(kFavourites.comment) + "\n" +
                                                gbkToUtf8("第一部（新）") + "\thttp://h/1.mp4\n" +
                                                gbkToUtf8("第二部") + "\thttp://h/2.mp4\n");

    showRecentlyPlayed();
    EXPECT_EQ(rows(), (Rows{"看过的|http://h/p.mp4"}));
    EXPECT_EQ(browserAddress(player), address);
}

TEST_F(MyListsTest, ADamagedFileShowsItsReadableRowsAndIsKeptAtTheNextChange) {
    // A line in GBK, a person's note and a last line cut short.
    const std::string damaged = "# c\r\n" + gbkToUtf8("可读") + "\thttp://h/r.mp4\r\n" +
                                "\xBF\xC9\xB6\xC1\thttp://h/gbk.mp4\r\n# mine\r\nhttp://h/c";
    writeFile(L"favourites.txt", damaged);
    showFavourites();
    EXPECT_EQ(rows(), (Rows{"可读|http://h/r.mp4"}));
    EXPECT_FALSE(fs::exists(file(L"favourites.damaged-1.txt")));

    addFavourite("新的", "http://h/new.mp4");
    EXPECT_EQ(fileBytes(L"favourites.damaged-1.txt"), damaged);
    showFavourites();
    EXPECT_EQ(rows(), (Rows{"新的|http://h/new.mp4", "可读|http://h/r.mp4"}));
    removeFavourite("http://h/new.mp4");
    EXPECT_FALSE(fs::exists(file(L"favourites.damaged-2.txt")));
}

TEST_F(MyListsTest, TwoCopiesOfTheProgramAddingAtOnceKeepEveryFavourite) {
    addFavourite("旧的", "http://h/old.mp4");
    const int each = 60;
    const HANDLE start = CreateEventW(nullptr, TRUE, FALSE, L"NuvriListsProbeStart");
    const HANDLE ready = CreateSemaphoreW(nullptr, 0, 2, L"NuvriListsProbeReady");
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring probe = fs::path(self).replace_filename(L"my_lists_probe.exe").wstring();
    std::vector<PROCESS_INFORMATION> probes;
    for (const wchar_t* tag : {L"a", L"b"}) {
        std::wstring commandLine = L"\"" + probe + L"\" " + tag + L" " + std::to_wstring(each);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        probes.push_back(process);
    }
    // Both start adding at once, whichever came up first.
    for (int probe = 0; probe < 2; ++probe) {
        EXPECT_EQ(WaitForSingleObject(ready, 60000), WAIT_OBJECT_0);
    }
    SetEvent(start);
    for (const PROCESS_INFORMATION& process : probes) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 120000), WAIT_OBJECT_0);
        DWORD failed = 1;
        GetExitCodeProcess(process.hProcess, &failed);
        EXPECT_EQ(failed, 0u);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(start);
    CloseHandle(ready);

    const ListRows read = readUserList(kFavourites);
    ASSERT_EQ(read.outcome, ListOutcome::Done);
    ASSERT_EQ(read.rows.size(), 2u * each + 1);
    EXPECT_EQ(read.rows.back().title, "旧的");
    for (const char* tag : {"a", "b"}) {
        for (int i = 0; i < each; ++i) {
            EXPECT_TRUE(isFavourite("http://probe/" + Text(tag) + "/" + std::to_string(i)));
        }
    }
    // The two really took turns: the newest-first list changes from one
    // probe's entries to the other's more than once.
    int turns = 0;
    for (std::size_t row = 1; row + 1 < read.rows.size(); ++row) {
        turns += read.rows[row].title[0] != read.rows[row - 1].title[0];
    }
    EXPECT_GT(turns, 1);
    EXPECT_FALSE(fs::exists(file(L"favourites.damaged-1.txt")));
}

TEST_F(MyListsTest, AShowOvertakenByALaterFillWritesNoRows) {
    addFavourite("收藏的", "http://h/f.mp4");
    // Another copy of the program holds the user's files, so the show waits
    // and processes messages: a route chosen meanwhile fills the list.
    std::optional<UserFilesLock> other(std::in_place);
    ASSERT_EQ(other->tryTake(), LockAttempt::Taken);
    HWND routes = window->control(kRouteSelector);
    EXPECT_TRUE(overtake(showFavourites, [&] {
        SendMessageW(routes, CB_SETCURSEL, 1, 0);
        SendMessageW(window->handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(routes), kComboChoiceConfirmed),
                     reinterpret_cast<LPARAM>(routes));
        other.reset();
    }));
    EXPECT_EQ(rowCount(list()), 799);
    EXPECT_NE(cellText(list(), 0, 0), "收藏的");
}

TEST_F(MyListsTest, AChangeThatCannotBeSavedSaysSoAndLosesNothing) {
    addFavourite("甲", "http://h/a.mp4");
    const std::string before = fileBytes(L"favourites.txt");
    // The new file cannot be made beside the old one.
    fs::create_directories(file(L"favourites.txt.new") / L"x");
    DialogWatcher watcher(IDOK);
    addFavourite("乙", "http://h/b.mp4");
    EXPECT_EQ(watcher.boxesSeen, 1);
    EXPECT_EQ(watcher.caption, L"我的收藏");
    EXPECT_EQ(watcher.text.find(L"无法保存“我的收藏”：文件夹 %APPDATA%\\Nuvri 不能写入"), 0u)
        << watcher.text;
    EXPECT_EQ(fileBytes(L"favourites.txt"), before);
    EXPECT_FALSE(isFavourite("http://h/b.mp4"));

    // A file another program holds open, letting nobody else read it, is not
    // taken for a missing one and replaced.
    fs::remove_all(file(L"favourites.txt.new"));
    const HANDLE held = CreateFileW(file(L"favourites.txt").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    addFavourite("丙", "http://h/c.mp4");
    showFavourites();
    CloseHandle(held);
    EXPECT_EQ(watcher.boxesSeen, 3);
    EXPECT_EQ(watcher.text,
              L"无法读取“我的收藏”的文件 %APPDATA%\\Nuvri\\favourites.txt，它保持原样。");
    EXPECT_EQ(fileBytes(L"favourites.txt"), before);

    // Plays that cannot be remembered are told once, until one is again.
    fs::create_directories(file(L"recently-played.txt.new") / L"x");
    rememberPlayed("一", "http://h/1.mp4");
    rememberPlayed("二", "http://h/2.mp4");
    EXPECT_EQ(watcher.boxesSeen, 4);
    EXPECT_EQ(watcher.caption, L"最近播放");
    fs::remove_all(file(L"recently-played.txt.new"));
    rememberPlayed("三", "http://h/3.mp4");
    fs::create_directories(file(L"recently-played.txt.new") / L"x");
    rememberPlayed("四", "http://h/4.mp4");
    EXPECT_EQ(watcher.boxesSeen, 5);
    showRecentlyPlayed();
    EXPECT_EQ(rows(), (Rows{"三|http://h/3.mp4"}));
}

}  // namespace
