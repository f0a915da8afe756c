// The program itself, started as a user starts it: its window appears and
// closing the window ends the process with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_path.h"

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
