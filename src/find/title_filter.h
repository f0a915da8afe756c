#pragma once
// Which titles a find in the main list keeps: those that contain the text
// typed, ASCII letters in either case, a double-byte character only whole.

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/value_types.h"

// Whether `title` contains `text` at a character start: ASCII letters match
// in either case, and a double-byte character only as a whole, so its second
// byte never matches a letter typed alone. Every title contains the empty
// text.
bool titleContains(std::string_view title, std::string_view text);

// The rows kept as a find's text changes one keystroke at a time. A text that
// contains the previous one keeps some of the rows that one kept, so only
// those are looked at again.
class TitleFilter {
  public:
    explicit TitleFilter(std::vector<Text> titles);

    // The rows (0-based, ascending) whose title contains `text`; every row
    // for the empty text.
    const std::vector<std::int32_t>& keep(std::string_view text);

  private:
    std::vector<Text> titles_;
    Text text_;                       // the text of the last keep
    std::vector<std::int32_t> rows_;  // the rows kept for text_
};
