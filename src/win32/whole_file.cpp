#include "whole_file.h"

#include <windows.h>

#include <algorithm>

#include "file_handle.h"

WholeFile readWholeFile(const std::wstring& path, std::uint64_t limit) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                             error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
        return {missing ? FileRead::Missing : FileRead::Unreadable, {}};
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) {
        return {FileRead::Unreadable, {}};
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > limit) {
        return {FileRead::TooLarge, {}};
    }
    WholeFile read{FileRead::Done, std::string(static_cast<std::size_t>(size.QuadPart), '\0')};
    std::size_t done = 0;
    while (done < read.bytes.size()) {
        DWORD got = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(read.bytes.size() - done, 1u << 24));
        if (!ReadFile(file.get(), read.bytes.data() + done, chunk, &got, nullptr)) {
            return {FileRead::Unreadable, {}};
        }
        if (got == 0) {
            // The file became shorter while it was read: what was there.
            read.bytes.resize(done);
            break;
        }
        done += got;
    }
    return read;
}
