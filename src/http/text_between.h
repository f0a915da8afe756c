#pragma once
// The text between two markers.

#include <cstdint>
#include <string_view>

#include "common/value_types.h"

// The bytes strictly between the first `left` found from `start` (1-based;
// below 1 means the beginning) and the first `right` after it; empty when
// either is missing. "#引号" in a marker stands for a double quote.
Text textBetween(std::string_view text, std::string_view left, std::string_view right,
                 std::int32_t start = 0, bool caseInsensitive = false);
