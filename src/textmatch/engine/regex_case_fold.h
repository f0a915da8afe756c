#pragma once
// Case-insensitive comparison of UTF-16 code units. Only the ASCII letters
// fold, as in the system's scripting object, which keeps the two cases of
// accented Latin, Greek, Cyrillic and full-width letters apart even when
// ignoring case. The folded form is the upper-case letter.

#include <array>
#include <cstddef>

namespace regex {

char16_t foldCase(char16_t unit);

// Every unit whose folded form equals that of `unit`, `unit` itself included.
struct CaseVariants {
    std::array<char16_t, 2> units{};
    std::size_t count = 0;
};

CaseVariants caseVariants(char16_t unit);

}  // namespace regex
