#pragma once
// The program's one window.

// Creates the main window centred on the primary screen and shows it; false
// when the window cannot be created.
bool createMainWindow();
