#pragma once
// The user's lists, each kept in a file of its own among the user's files
// (common/user_files.h), newest entry first, each address once. Nothing of a
// list is held between calls: every change takes the lock on the user's
// files, reads the file, applies that one change and replaces the file in one
// step, so copies of the program running side by side keep each other's
// changes. A file that was not read whole is kept beside it as it was, under a
// name of its own ("favourites.damaged-1.txt", then -2, ...), before it is
// first rewritten.

#include <cstddef>
#include <string_view>
#include <vector>

#include "common/value_types.h"
#include "list_file_format.h"

struct UserList {
    std::string_view name;  // as the user knows it
    std::string_view fileName;
    std::string_view comment;  // the file's first line, in GBK
    std::size_t limit;         // the most entries kept; 0 for no limit
};

inline constexpr UserList kFavourites{
    "我的收藏", "favourites.txt",
    "Nuvri福利视频播放器：我的收藏。每行一个标题，一个制表符，它的媒体地址；最新的在前。", 0};
inline constexpr UserList kRecentlyPlayed{
    "最近播放", "recently-played.txt",
    "Nuvri福利视频播放器：最近播放的标题。每行一个标题，一个制表符，它的媒体地址；最近的在前。",
    200};
inline constexpr UserList kRecentPlaylists{"最近打开的播放列表", "recent-playlists.txt",
                                           "Nuvri福利视频播放器：最近打开的播放列表。每行一个名字，"
                                           "一个制表符，它的文件或地址；最近的在前。",
                                           5};

enum class ListOutcome {
    Done,
    Busy,        // another copy of the program held the files too long
    NotRead,     // the file is there but could not be read; nothing was written
    NotWritten,  // the folder or the file could not be written; the file is as it was
    TooLong,     // the address does not fit in a line of the file; nothing was written
};

struct ListRow {
    Text title;
    Text address;
};

struct ListRows {
    ListOutcome outcome = ListOutcome::Done;
    std::vector<ListRow> rows;  // newest first
};

// Reading and changing wait while another copy of the program holds the
// files, processing the window's pending events meanwhile (common/
// pending_events.h); after a few seconds they give up with Busy.

// The list's entries; none when its file is missing.
ListRows readUserList(const UserList& list);

// The same in UTF-8, as the file keeps them, for texts GBK lacks.
struct ListEntries {
    ListOutcome outcome = ListOutcome::Done;
    std::vector<ListEntry> entries;  // newest first
};
ListEntries readUserEntries(const UserList& list);

// Whether the list holds `address`; false when it cannot be read.
bool listHolds(const UserList& list, const Text& address);

// Puts the entry first, under its new title when the list held its address
// already, and drops the oldest entries beyond the list's limit. An empty
// address is nothing to play: Done, and nothing is written.
ListOutcome putOnTop(const UserList& list, const Text& title, const Text& address);
// The same for a title and an address in UTF-8.
ListOutcome putEntryOnTop(const UserList& list, std::string_view title, std::string_view address);

// Takes the entry of `address` out of the list; Done also when it held none.
ListOutcome removeFromList(const UserList& list, const Text& address);
