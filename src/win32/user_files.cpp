// The user's files on Windows: read whole, replaced in one step (a flushed
// file beside the old one is moved over it, write-through), copied to a name
// nobody has taken.
#include "common/user_files.h"

#include <windows.h>

#include <algorithm>

#include "file_handle.h"
#include "user_folder.h"

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 16;
// Readers let every other handle read, write, delete or replace the file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE openToRead(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Appends what `file` holds, up to `limit` bytes and one more; false when
// reading fails.
bool readUpTo(HANDLE file, std::size_t limit, std::string& bytes) {
    while (bytes.size() <= limit) {
        const std::size_t before = bytes.size();
        const std::size_t wanted = std::min(kChunk, limit + 1 - before);
        bytes.resize(before + wanted);
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + before, static_cast<DWORD>(wanted), &read, nullptr)) {
            return false;
        }
        bytes.resize(before + read);
        if (read == 0) {
            break;
        }
    }
    return true;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min(kChunk, bytes.size()));
        if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Copies the rest of `from` to the end of `to`.
bool copyAll(HANDLE from, HANDLE to) {
    std::string chunk(kChunk, '\0');
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(from, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            return true;
        }
        if (!writeAll(to, std::string_view(chunk.data(), read))) {
            return false;
        }
    }
}

// Flushes and closes a file written to; false when either failed.
bool finish(FileHandle& file, bool written) {
    written = written && FlushFileBuffers(file.get());
    return file.close() && written;
}

}  // namespace

UserFileContents readUserFile(std::string_view name, std::size_t maxBytes) {
    const std::wstring path = userFilePath(name);
    if (path.empty()) {
        return {};
    }
    FileHandle file(openToRead(path));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? FileRead::Missing : FileRead::Failed, {}, false};
    }
    UserFileContents contents{FileRead::Read, {}, false};
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
        contents.bytes.reserve(std::min(static_cast<std::size_t>(size.QuadPart), maxBytes + 1));
    }
    if (!readUpTo(file.get(), maxBytes, contents.bytes)) {
        return {FileRead::Failed, {}, false};
    }
    contents.cut = contents.bytes.size() > maxBytes;
    contents.bytes.resize(std::min(contents.bytes.size(), maxBytes));
    return contents;
}

bool replaceUserFile(std::string_view name, std::string_view bytes) {
    const std::wstring path = userFilePath(name);
    if (path.empty()) {
        return false;
    }
    // Only the holder of the lock on the user's files writes, so one name for
    // the new file serves every copy of the program.
    const std::wstring written = path + L".new";
    FileHandle file(CreateFileW(written.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return false;
    }
    if (!finish(file, writeAll(file.get(), bytes)) ||
        !MoveFileExW(written.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(written.c_str());
        return false;
    }
    return true;
}

CopyOutcome copyUserFile(std::string_view name, std::string_view copyName) {
    const std::wstring path = userFilePath(name);
    const std::wstring copyPath = userFilePath(copyName);
    if (path.empty()) {
        return CopyOutcome::Failed;
    }
    FileHandle from(openToRead(path));
    if (!from.valid()) {
        return CopyOutcome::Failed;
    }
    FileHandle to(CreateFileW(copyPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!to.valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? CopyOutcome::NameTaken
                                                                           : CopyOutcome::Failed;
    }
    if (!finish(to, copyAll(from.get(), to.get()))) {
        DeleteFileW(copyPath.c_str());
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Copied;
}
