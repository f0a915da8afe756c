#pragma once
// Preparing the process for the program: OLE on the GUI thread and the
// program's folder as the current directory.

#include <windows.h>

#include <string>

// OLE for the calling thread for as long as the object lives.
class OleSession {
  public:
    OleSession();
    ~OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool initialised_;
};

// The full path of the file `module` was loaded from (null: the program's),
// however long; empty when the system gives none.
std::wstring moduleFilePath(HMODULE module);

// The full path of the program file.
std::wstring programFilePath();

// Makes the folder that holds `file` (a full path) the current directory;
// false when there is no such folder or the system refuses it.
bool enterFolderOf(const std::wstring& file);

// Makes the folder that holds the program file the current directory.
void enterProgramFolder();
