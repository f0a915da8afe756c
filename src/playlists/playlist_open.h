#pragma once
// The user's own M3U playlists, opened from a file or a web address into the
// main list: title in column 0, media address in column 1. Opening is an
// action on the main list's rows like any fill (catalogue/list_actions.h): a
// later action overtakes it, and browser view 1 is left as it is. A missing
// file, a failed fetch or a text without entries leaves the list as it was
// and says why in a message box.

#include <string>
#include <vector>

void openPlaylistFile(const std::wstring& path);
// Only http and https addresses are fetched.
void openPlaylistAddress(const std::wstring& address);

// Asks for a playlist file with the system's file dialog, then opens it.
void askForPlaylistFile();
// Asks for a playlist's web address in a small dialog, then opens it.
void askForPlaylistAddress();

// Opens one of the playlists opened last (recent_playlists.h).
void openRecentPlaylist(const std::wstring& location);

// Opens the first file of the drop being handled (win32/dropped_files.h).
void openDroppedPlaylist();

// Opens the playlist the program was started with: its first argument, a web
// address or a file path (relative to the folder the program was started
// in, made absolute by the caller); nothing without arguments.
void openPlaylistFromCommandLine(const std::vector<std::wstring>& arguments);
