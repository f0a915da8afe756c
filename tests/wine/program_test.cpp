// The program itself, started as a user starts it: its window appears and
// closing the window ends the process with exit code 0; a playlist given on
// its command line fills its main list; it makes its folder
// the current one even when that folder's path is longer than MAX_PATH.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "build_path.h"
#include "program_path.h"
#include "win32/process_setup.h"

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId == search->processId && std::wstring(className) == L"NuvriTopLevelWindow") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TEST(ProgramTest, ShowsItsWindowAndExitsWithZeroWhenItIsClosed) {
    std::wstring commandLine = L"\"" + programPath() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WindowSearch search = {process.dwProcessId, nullptr};
    for (int tries = 0; tries < 100 && !search.found; ++tries) {
        Sleep(100);
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr);
    wchar_t title[64] = {};
    GetWindowTextW(search.found, title, 64);
    EXPECT_EQ(std::wstring(title), L"Nuvri福利视频播放器");

    PostMessageW(search.found, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

namespace {

BOOL CALLBACK collectLists(HWND child, LPARAM parameter) {
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    if (std::wstring(className) == L"SysListView32") {
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(child);
    }
    return TRUE;
}

}  // namespace

// A playlist named on the command line by a path relative to the folder the
// program was started in (which it leaves for its own) fills the main list.
TEST(ProgramTest, APlaylistFileOnTheCommandLineFillsTheMainList) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"nuvri-command-line";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string playlist = "#EXTM3U\n#EXTINF:-1,one\nhttp://h/1.mp4\nhttp://h/two.mp4\n";
    FILE* file = _wfopen((folder + L"\\mine.m3u").c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(playlist.data(), 1, playlist.size(), file);
    std::fclose(file);
    // The playlists opened last go among this test's own user files.
    SetEnvironmentVariableW(L"APPDATA", folder.c_str());

    std::wstring commandLine = L"\"" + programPath() + L"\" mine.m3u";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process));
    SetEnvironmentVariableW(L"APPDATA", nullptr);
    WindowSearch search = {process.dwProcessId, nullptr};
    bool filled = false;
    for (int tries = 0; tries < 150 && !filled; ++tries) {
        Sleep(100);
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        std::vector<HWND> lists;
        if (search.found) {
            EnumChildWindows(search.found, collectLists, reinterpret_cast<LPARAM>(&lists));
        }
        for (HWND list : lists) {
            filled = filled || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2;
        }
    }
    EXPECT_TRUE(filled);
    if (search.found) {
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

namespace {

// `path` as the file functions take it beyond MAX_PATH characters.
std::wstring extended(const std::wstring& path) {
    return L"\\\\?\\" + path;
}

std::wstring withoutExtendedPrefix(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path;
}

}  // namespace

// The start-up step that enters the program's folder, for a file whose path
// is longer than MAX_PATH: a DLL there stands in for the program file, which
// Wine cannot start from such a path.
TEST(ProgramTest, EntersTheFolderOfAFileWhosePathIsLongerThanMaxPath) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    // Folders of 60 characters each, down to a path past MAX_PATH.
    std::wstring folder = std::wstring(temp) + L"nuvri-long-folder";
    std::vector<std::wstring> made = {folder};
    while (folder.size() <= MAX_PATH + 20) {
        folder += L"\\" + std::wstring(60, L'长');
        made.push_back(folder);
    }
    for (const std::wstring& level : made) {
        ASSERT_TRUE(CreateDirectoryW(extended(level).c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const std::wstring copy = folder + L"\\plain.dll";
    ASSERT_TRUE(CopyFileW(buildFilePath(LOADER_PLAIN_DLL).c_str(), extended(copy).c_str(), FALSE));
    HMODULE module = LoadLibraryW(extended(copy).c_str());
    ASSERT_NE(module, nullptr) << GetLastError();

    const std::wstring path = moduleFilePath(module);
    EXPECT_EQ(withoutExtendedPrefix(path), copy) << "a cut path would name a folder further up";
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    EXPECT_TRUE(enterFolderOf(path));
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring current(size, L'\0');
    current.resize(GetCurrentDirectoryW(size, current.data()));
    EXPECT_EQ(withoutExtendedPrefix(current), folder);
    SetCurrentDirectoryW(before);

    FreeLibrary(module);
    DeleteFileW(extended(copy).c_str());
    for (auto level = made.rbegin(); level != made.rend(); ++level) {
        RemoveDirectoryW(extended(*level).c_str());
    }
}
