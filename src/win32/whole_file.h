#pragma once
// Reading a file the user named, whole, when it is not too large.

#include <cstdint>
#include <string>

enum class FileRead {
    Done,
    Missing,     // no such file or folder
    TooLarge,    // larger than the limit; nothing was read
    Unreadable,  // there, but it could not be opened or read (a folder, locked, ...)
};

struct WholeFile {
    FileRead outcome = FileRead::Unreadable;
    std::string bytes;
};

// The bytes of the file at `path`; its size is checked against `limit` before
// anything is read.
WholeFile readWholeFile(const std::wstring& path, std::uint64_t limit);
