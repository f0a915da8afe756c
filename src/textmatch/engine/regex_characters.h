#pragma once
// The character sets the dialect names: word characters, digits, white space,
// line terminators and what the dot leaves out. Each set is defined once here
// so that a difference from the system's scripting engine is fixed in one
// place.

#include <span>

namespace regex {

struct CharRange {
    char16_t first;
    char16_t last;
};

// \w: exactly [A-Za-z0-9_], also for \b and \B.
std::span<const CharRange> wordRanges();
// \d
std::span<const CharRange> digitRanges();
// \s
std::span<const CharRange> spaceRanges();

bool isWordChar(char16_t unit);

// Where ^ and $ match in multi-line mode: after and before these units.
bool isLineTerminator(char16_t unit);

// The dot matches every unit except these.
bool isExcludedFromDot(char16_t unit);

}  // namespace regex
