#include "list_store.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <unordered_set>
#include <utility>

#include "common/pending_events.h"
#include "common/user_files.h"
#include "common/utf8_to_gbk.h"
#include "list_file_format.h"

namespace {

using Clock = std::chrono::steady_clock;

// Another copy of the program holds the files for milliseconds at a time; one
// that holds them this long is stuck.
constexpr auto kLockPatience = std::chrono::seconds(5);
// A list file beyond this size is read up to it, and counts as cut short.
constexpr std::size_t kLargestListFile = std::size_t{32} << 20;
constexpr int kMostKeptCopies = 1000;

LockAttempt waitForLock(UserFilesLock& lock) {
    const Clock::time_point giveUp = Clock::now() + kLockPatience;
    for (;;) {
        const LockAttempt attempt = lock.tryTake();
        if (attempt != LockAttempt::Busy || Clock::now() >= giveUp) {
            return attempt;
        }
        processPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

struct ListFile {
    ListOutcome outcome = ListOutcome::Done;
    ListFileContents contents;
};

// Reads the list's file, the lock held; each address is kept once, where it
// comes first.
ListFile readListUnderLock(const UserList& list) {
    const UserFileContents file = readUserFile(list.fileName, kLargestListFile);
    if (file.outcome == FileRead::Failed) {
        return {ListOutcome::NotRead, {}};
    }
    ListFile read{ListOutcome::Done, readListFile(file.bytes)};
    read.contents.whole = read.contents.whole && !file.cut;
    std::vector<ListEntry> unique;
    unique.reserve(read.contents.entries.size());
    // Views of the addresses kept, which stay where they are: `unique` never grows
    // beyond its reserve.
    std::unordered_set<std::string_view> kept;
    for (ListEntry& entry : read.contents.entries) {
        if (!kept.contains(entry.address)) {
            unique.push_back(std::move(entry));
            kept.insert(unique.back().address);
        }
    }
    read.contents.entries = std::move(unique);
    return read;
}

// Reads the list's file under the lock; without one when the folder can have
// none, as a folder nobody can write to.
ListFile readList(const UserList& list) {
    UserFilesLock lock;
    if (waitForLock(lock) == LockAttempt::Busy) {
        return {ListOutcome::Busy, {}};
    }
    return readListUnderLock(list);
}

// "favourites.txt" and 2 give "favourites.damaged-2.txt".
std::string keptCopyName(std::string_view fileName, int number) {
    const std::size_t dot = std::min(fileName.rfind('.'), fileName.size());
    return std::string(fileName.substr(0, dot)) + ".damaged-" + std::to_string(number) +
           std::string(fileName.substr(dot));
}

bool keepOriginal(std::string_view fileName) {
    for (int number = 1; number <= kMostKeptCopies; ++number) {
        switch (copyUserFile(fileName, keptCopyName(fileName, number))) {
            case CopyOutcome::Copied:
                return true;
            case CopyOutcome::NameTaken:
                break;
            case CopyOutcome::Failed:
                return false;
        }
    }
    return false;
}

// Applies `change` to the entries as the file holds them now, under the lock;
// the file is written when `change` says it changed them.
template <class Change>
ListOutcome changeList(const UserList& list, Change change) {
    UserFilesLock lock;
    switch (waitForLock(lock)) {
        case LockAttempt::Taken:
            break;
        case LockAttempt::Busy:
            return ListOutcome::Busy;
        case LockAttempt::Unavailable:
            return ListOutcome::NotWritten;
    }
    ListFile file = readListUnderLock(list);
    if (file.outcome != ListOutcome::Done || !change(file.contents.entries)) {
        return file.outcome;
    }
    if (!file.contents.whole && !keepOriginal(list.fileName)) {
        return ListOutcome::NotWritten;
    }
    const std::string text = writeListFile(gbkToUtf8(list.comment), file.contents.entries);
    return replaceUserFile(list.fileName, text) ? ListOutcome::Done : ListOutcome::NotWritten;
}

// The address as the list file keeps it.
std::optional<std::string> fileAddress(const Text& address) {
    const std::optional<ListEntry> fitted = fitListEntry("", gbkToUtf8(address));
    return fitted ? std::optional(fitted->address) : std::nullopt;
}

}  // namespace

ListEntries readUserEntries(const UserList& list) {
    ListFile file = readList(list);
    return {file.outcome, std::move(file.contents.entries)};
}

ListRows readUserList(const UserList& list) {
    const ListEntries entries = readUserEntries(list);
    ListRows read{entries.outcome, {}};
    read.rows.reserve(entries.entries.size());
    for (const ListEntry& entry : entries.entries) {
        read.rows.push_back({utf8ToGbk(entry.title), utf8ToGbk(entry.address)});
    }
    return read;
}

bool listHolds(const UserList& list, const Text& address) {
    const std::optional<std::string> sought = fileAddress(address);
    const std::vector<ListEntry> entries = readList(list).contents.entries;
    return sought && std::any_of(entries.begin(), entries.end(),
                                 [&](const ListEntry& entry) { return entry.address == *sought; });
}

ListOutcome putOnTop(const UserList& list, const Text& title, const Text& address) {
    return putEntryOnTop(list, gbkToUtf8(title), gbkToUtf8(address));
}

ListOutcome putEntryOnTop(const UserList& list, std::string_view title, std::string_view address) {
    if (address.empty()) {
        return ListOutcome::Done;
    }
    const std::optional<ListEntry> entry = fitListEntry(title, address);
    if (!entry) {
        return ListOutcome::TooLong;
    }
    return changeList(list, [&](std::vector<ListEntry>& entries) {
        if (!entries.empty() && entries.front() == *entry) {
            return false;
        }
        std::erase_if(entries,
                      [&](const ListEntry& held) { return held.address == entry->address; });
        entries.insert(entries.begin(), *entry);
        if (list.limit > 0 && entries.size() > list.limit) {
            entries.resize(list.limit);
        }
        return true;
    });
}

ListOutcome removeFromList(const UserList& list, const Text& address) {
    const std::optional<std::string> gone = fileAddress(address);
    if (!gone) {
        return ListOutcome::Done;
    }
    return changeList(list, [&](std::vector<ListEntry>& entries) {
        return std::erase_if(entries,
                             [&](const ListEntry& held) { return held.address == *gone; }) > 0;
    });
}
