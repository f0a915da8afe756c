#pragma once
// A bracketed character class, or one of the escapes \d \w \s and their
// negations: a set of code unit ranges, possibly negated.

#include <span>
#include <vector>

#include "regex_characters.h"

namespace regex {

class CharClass {
  public:
    void add(char16_t first, char16_t last);
    void add(std::span<const CharRange> ranges);
    // Adds every unit outside `ranges`, which must be sorted and disjoint.
    void addComplement(std::span<const CharRange> ranges);
    void negate() { negated_ = !negated_; }
    // Sorts and merges the ranges; call once after the last add.
    void seal();

    bool matches(char16_t unit, bool ignoreCase) const;

  private:
    bool contains(char16_t unit) const;

    std::vector<CharRange> ranges_;
    bool negated_ = false;
};

}  // namespace regex
