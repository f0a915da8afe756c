#pragma once
// Filling the main list from a list service's answer.

#include <string_view>

#include "common/value_types.h"
#include "textmatch/regex_matcher.h"

// Fetches `address` (a GET with the request client's defaults), reads the
// UTF-8 answer up to its first zero byte, and appends to kCatalogueList one row
// per match of `pattern`: group 2 (the title) in column 0, group 1 (the
// address) in column 1. The caller empties the list first. A failed fetch or
// an answer without items adds nothing, silently.
void fillFromRemoteList(std::string_view address, const Text& pattern, RegexMatcher& matcher);
