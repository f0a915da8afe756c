// The program's entry: prepares the process, shows the main window and runs
// the message loop until the window is closed.
#include <string>
#include <vector>

#include "common/end_procedures.h"
#include "common/program_state.h"
#include "main_window.h"
#include "main_window_template.h"
#include "playlists/playlist_open.h"
#include "program_events.h"
#include "program_skin.h"
#include "win32/command_line.h"
#include "win32/external_function.h"
#include "win32/process_setup.h"
#include "win32/top_level_window.h"

namespace {

// The program's arguments, a file named by its path relative to the folder
// the program was started in made absolute before the program leaves it.
std::vector<std::wstring> startArguments() {
    std::vector<std::wstring> arguments = commandLineArguments();
    for (std::wstring& argument : arguments) {
        if (argument.find(L"://") == std::wstring::npos) {
            argument = fullPath(argument);
        }
    }
    return arguments;
}

int programMain() {
    {
        OleSession ole;
        const std::vector<std::wstring> arguments = startArguments();
        enterProgramFolder();
        const WindowTemplate& layout = mainWindowTemplate();
        createProgramState(loadProgramSkin());
        registerEndProcedure(onProgramEnd);
        MainWindow window(layout, programEventTable());
        if (window.create()) {
            openPlaylistFromCommandLine(arguments);
            runMessageLoop(window.handle(), window.shortcuts());
        }
        runEndProcedures();
    }
    unloadExternalLibraries();
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return programMain();
}
