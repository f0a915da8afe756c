#pragma once
// The one forward scan behind find, replace and split.

#include <cstddef>
#include <string_view>

namespace gbk {

// Offset of the first occurrence of the non-empty sought text at or after
// from, or npos. from is taken as the start of a character and characters are
// stepped from there, so an occurrence never begins on a trail byte of that
// stepping. Costs linear time in the bytes passed over, however far from the
// beginning of the text from lies.
std::size_t findOccurrence(std::string_view text, std::string_view sought, std::size_t from,
                           bool ignoreCase);

}  // namespace gbk
