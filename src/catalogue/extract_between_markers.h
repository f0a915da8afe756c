#pragma once
// Cutting a text into the pieces that lie between a start marker and an end
// marker: how the embedded playlists yield their titles and media addresses.

#include <cstdint>
#include <string_view>

#include "common/table.h"
#include "common/value_types.h"

// Replaces pieces with every piece found, in order, and returns their number.
// A piece is what lies between startMarker and the next endMarker, with ASCII
// spaces and full-width blanks (A1 A1) removed from both ends, then wrapped in
// prefix and suffix and, on request, in the markers themselves; pieces that
// come out empty are skipped. Searches step double-byte characters as units
// and fold ASCII letters unless caseSensitive. A maxLength other than 0 keeps
// only pieces shorter than it. startPosition is the 1-based byte where the
// search begins; 0 or less means the start of the text, a position past the
// end finds nothing. An empty marker finds nothing: there is no piece to cut.
//
// After every marker pair the window processes its pending messages, so other
// handlers, and further extractions, may run inside this call. The caller
// must therefore pass a pieces list that it owns and no such handler touches,
// and texts that stay valid and unchanged until the call returns. pieces is
// emptied at once and receives the new pieces when the extraction is done.
std::int32_t extractBetweenMarkers(std::string_view text, std::string_view startMarker,
                                   std::string_view endMarker, Table<Text>& pieces,
                                   bool caseSensitive = false, std::int32_t maxLength = 0,
                                   std::string_view prefix = {}, std::string_view suffix = {},
                                   bool keepStartMarker = false, bool keepEndMarker = false,
                                   std::int32_t startPosition = 0);
