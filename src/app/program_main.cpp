// The program's entry: prepares the process, shows the main window and runs
// the message loop until the window is closed.
#include "common/end_procedures.h"
#include "common/program_state.h"
#include "main_window.h"
#include "main_window_template.h"
#include "program_events.h"
#include "program_skin.h"
#include "win32/external_function.h"
#include "win32/process_setup.h"
#include "win32/top_level_window.h"

namespace {

int programMain() {
    {
        OleSession ole;
        enterProgramFolder();
        const WindowTemplate& layout = mainWindowTemplate();
        createProgramState(loadProgramSkin());
        registerEndProcedure(onProgramEnd);
        MainWindow window(layout, programEventTable());
        if (window.create()) {
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
