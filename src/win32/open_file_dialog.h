#pragma once
// The system's dialog for choosing a file to open.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/value_types.h"

struct FileKind {
    Text name;              // as the dialog's type box shows it
    std::wstring patterns;  // "*.m3u;*.m3u8"
};

// Shows the dialog over `owner` with the title `title`, offering the kinds of
// file `kinds` in order (the first chosen at the start); the full path of the
// existing file the user chose, or nothing when the dialog was cancelled.
std::optional<std::wstring> chooseFileToOpen(HWND owner, const Text& title,
                                             const std::vector<FileKind>& kinds);
