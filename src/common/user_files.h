#pragma once
// The program's own files in the user's folder (%APPDATA%\Nuvri on Windows),
// named by leaf names of ASCII letters, digits, "-" and ".". Portable code
// calls these; the Windows build implements them in win32/user_files.cpp and
// win32/user_files_lock.cpp, the host's stand-in keeps the files in a folder
// a test chooses.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class FileRead { Read, Missing, Failed };

struct UserFileContents {
    FileRead outcome = FileRead::Missing;
    std::string bytes;
    // The file is longer than the bytes read.
    bool cut = false;
};

// Reads file `name`, at most `maxBytes` of it.
UserFileContents readUserFile(std::string_view name, std::size_t maxBytes);

// Replaces file `name` (or creates it) in one step: `bytes` are written and
// flushed to a file beside it, which then takes its place. True when done; on
// failure the file is as it was.
bool replaceUserFile(std::string_view name, std::string_view bytes);

enum class CopyOutcome { Copied, NameTaken, Failed };

// Copies file `name` to a new file `copyName`, flushed; an existing file of
// that name is left as it is (NameTaken).
CopyOutcome copyUserFile(std::string_view name, std::string_view copyName);

enum class LockAttempt {
    Taken,
    Busy,         // another process, or another lock of this one, holds it
    Unavailable,  // the folder has no lock and none can be made there
};

// The lock on the user's files, shared by every process of every copy of the
// program; held from a successful tryTake until the object goes.
class UserFilesLock {
  public:
    UserFilesLock() = default;
    ~UserFilesLock();
    UserFilesLock(const UserFilesLock&) = delete;
    UserFilesLock& operator=(const UserFilesLock&) = delete;

    // Takes the lock if nobody holds it, without waiting; makes the folder
    // when it is missing. Not called again once it has answered Taken.
    LockAttempt tryTake();

  private:
    std::intptr_t handle_ = -1;
};
