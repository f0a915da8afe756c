#include "regex_char_class.h"

#include <algorithm>

#include "regex_case_fold.h"

namespace regex {

void CharClass::add(char16_t first, char16_t last) {
    ranges_.push_back({first, last});
}

void CharClass::add(std::span<const CharRange> ranges) {
    ranges_.insert(ranges_.end(), ranges.begin(), ranges.end());
}

void CharClass::addComplement(std::span<const CharRange> ranges) {
    char32_t next = 0;  // first unit not yet covered; 0x10000 past the end
    for (const CharRange& range : ranges) {
        if (range.first > next) {
            add(static_cast<char16_t>(next), static_cast<char16_t>(range.first - 1));
        }
        next = static_cast<char32_t>(range.last) + 1;
    }
    if (next <= 0xFFFF) {
        add(static_cast<char16_t>(next), 0xFFFF);
    }
}

void CharClass::seal() {
    std::sort(ranges_.begin(), ranges_.end(),
              [](const CharRange& a, const CharRange& b) { return a.first < b.first; });
    std::vector<CharRange> merged;
    for (const CharRange& range : ranges_) {
        if (!merged.empty() &&
            static_cast<char32_t>(range.first) <= static_cast<char32_t>(merged.back().last) + 1) {
            merged.back().last = std::max(merged.back().last, range.last);
        } else {
            merged.push_back(range);
        }
    }
    ranges_ = std::move(merged);
}

bool CharClass::contains(char16_t unit) const {
    auto after = std::upper_bound(ranges_.begin(), ranges_.end(), unit,
                                  [](char16_t u, const CharRange& r) { return u < r.first; });
    return after != ranges_.begin() && unit <= std::prev(after)->last;
}

bool CharClass::matches(char16_t unit, bool ignoreCase) const {
    bool found = contains(unit);
    if (!found && ignoreCase) {
        CaseVariants variants = caseVariants(unit);
        for (std::size_t i = 0; i < variants.count && !found; ++i) {
            found = contains(variants.units[i]);
        }
    }
    return found != negated_;
}

}  // namespace regex
