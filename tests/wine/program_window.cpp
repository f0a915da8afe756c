#include "program_window.h"

#include "app/main_window_template.h"
#include "app/program_events.h"
#include "common/program_state.h"
#include "win32/combo_choice.h"
#include "win32/top_level_window.h"

void ProgramWindowTest::SetUpTestSuite() {
    ole = new OleSession;
    createProgramState();
    window = new MainWindow(mainWindowTemplate(), programEventTable());
    ASSERT_TRUE(window->create());
    ShowWindow(window->handle(), SW_SHOW);
}

void ProgramWindowTest::TearDownTestSuite() {
    DestroyWindow(window->handle());
    delete window;
    window = nullptr;
    onProgramEnd();
    delete ole;
    ole = nullptr;
}

void ProgramWindowTest::confirmChoice(const char* combo, int item) {
    HWND box = window->control(combo);
    SendMessageW(box, CB_SETCURSEL, item, 0);
    SendMessageW(window->handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), kComboChoiceConfirmed),
                 reinterpret_cast<LPARAM>(box));
}

void ProgramWindowTest::pumpAsTheProgram(const std::function<bool()>& done, int milliseconds) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG message;
    do {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!takeWindowKeys(window->handle(), window->shortcuts(), message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(10);
    } while (!done() && GetTickCount() < deadline);
}
