#pragma once
// A test suite over the program's main window: built once from the compiled-in
// template with the program's own event bindings, shown, and torn down with
// the program's end procedure.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "win32/process_setup.h"

class ProgramWindowTest : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // Confirms item `item` of the combo box named `combo` as the combo box
    // does once the user's choice is in.
    static void confirmChoice(const char* combo, int item);

    static inline OleSession* ole = nullptr;
    static inline MainWindow* window = nullptr;
};
