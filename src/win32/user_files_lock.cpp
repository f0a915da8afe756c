// The lock on the user's files on Windows: an exclusive lock on the first
// byte of "lists.lock" in the user's folder. The system releases it when its
// process ends, however it ends.
#include <windows.h>

#include "common/user_files.h"
#include "user_folder.h"

namespace {

HANDLE lockHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

UserFilesLock::~UserFilesLock() {
    if (lockHandle(handle_) != INVALID_HANDLE_VALUE) {
        OVERLAPPED start = {};
        UnlockFileEx(lockHandle(handle_), 0, 1, 0, &start);
        CloseHandle(lockHandle(handle_));
    }
}

LockAttempt UserFilesLock::tryTake() {
    if (!makeUserFolder()) {
        return LockAttempt::Unavailable;
    }
    const HANDLE file =
        CreateFileW(userFilePath("lists.lock").c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LockAttempt::Unavailable;
    }
    OVERLAPPED start = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        return error == ERROR_LOCK_VIOLATION ? LockAttempt::Busy : LockAttempt::Unavailable;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return LockAttempt::Taken;
}
