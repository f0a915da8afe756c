#pragma once
// Reading a list view that belongs to another process. Its messages carry
// pointers into the program's own memory, so the structures they fill are
// placed there and read back.

#include <windows.h>

#include <string>

class RemoteListView {
  public:
    // `process` needs the rights to allocate, write and read memory.
    RemoteListView(HWND list, HANDLE process);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    bool usable() const { return buffer_ != nullptr; }
    int rowCount() const;
    int selectedRow() const;
    int topRow() const;
    int rowsPerPage() const;
    std::wstring cellText(int row, int column) const;
    // The row's whole width, in screen coordinates; empty when it has none.
    RECT rowRect(int row) const;

  private:
    HWND list_;
    HANDLE process_;
    void* buffer_;
};
