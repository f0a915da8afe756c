// The program's entry: prepares the process, shows the main window and runs
// the message loop until the window is closed.
#include <ole2.h>
#include <windows.h>

#include <string>

#include "common/end_procedures.h"
#include "main_window.h"

namespace {

// The folder that holds the program file becomes the current directory.
void enterProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') == std::wstring::npos ? 0 : folder.find_last_of(L'\\'));
    if (!folder.empty()) {
        SetCurrentDirectoryW(folder.c_str());
    }
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

int programMain() {
    OleInitialize(nullptr);
    enterProgramFolder();
    if (createMainWindow()) {
        runMessageLoop();
    }
    runEndProcedures();
    OleUninitialize();
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return programMain();
}
