#pragma once
// A test suite over the program's main window: built once from the compiled-in
// template with the program's own event bindings, shown, and torn down with
// the program's end procedure.

#include <gtest/gtest.h>

#include <functional>

#include "app/main_window.h"
#include "win32/process_setup.h"

class ProgramWindowTest : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // Confirms item `item` of the combo box named `combo` as the combo box
    // does once the user's choice is in.
    static void confirmChoice(const char* combo, int item);

    // Lets this thread's messages take the program's own way through its
    // message loop (the window's shortcuts first) until `done` holds or
    // `milliseconds` pass.
    static void pumpAsTheProgram(const std::function<bool()>& done, int milliseconds);

    static inline OleSession* ole = nullptr;
    static inline MainWindow* window = nullptr;
};
