#pragma once
// The host's user files live in a folder the test chooses, as POSIX files:
// replaced by rename, the lock an flock on "lists.lock" there (so two locks of
// one process, or two processes, exclude each other).

#include <string>

void useUserFolder(const std::string& folder);
