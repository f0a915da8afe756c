#pragma once
// Filling the main list from a playlist compiled into the program.

#include <string_view>

// Empties kCatalogueList and appends one row per item of `playlist`: the text
// after each `titleTag` up to "|" in column 0, the text after each
// `addressTag` up to "|" in column 1, paired in order of appearance. Rows stop
// at the shorter of the two lists. While the playlist is cut apart the window
// keeps processing messages; when another action on the rows begins
// meanwhile (list_actions.h), this fill writes no rows.
void fillFromEmbeddedPlaylist(std::string_view playlist, std::string_view titleTag,
                              std::string_view addressTag);
