#include "regex_characters.h"

namespace regex {

namespace {

constexpr CharRange kWordRanges[] = {{u'0', u'9'}, {u'A', u'Z'}, {u'_', u'_'}, {u'a', u'z'}};
constexpr CharRange kDigitRanges[] = {{u'0', u'9'}};
// The white space of the system's scripting object, in ascending order: the
// Unicode spaces and line terminators, next line (U+0085) included, the byte
// order mark (U+FEFF) not.
constexpr CharRange kSpaceRanges[] = {
    {0x0009, 0x000D}, {0x0020, 0x0020}, {0x0085, 0x0085}, {0x00A0, 0x00A0}, {0x1680, 0x1680},
    {0x2000, 0x200A}, {0x2028, 0x2029}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

}  // namespace

std::span<const CharRange> wordRanges() {
    return kWordRanges;
}
std::span<const CharRange> digitRanges() {
    return kDigitRanges;
}
std::span<const CharRange> spaceRanges() {
    return kSpaceRanges;
}

bool isWordChar(char16_t unit) {
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'0' && unit <= u'9') || unit == u'_';
}

bool isLineTerminator(char16_t unit) {
    return unit == u'\n' || unit == u'\r' || unit == 0x2028 || unit == 0x2029;
}

// Spelled out rather than tied to isLineTerminator: the two sets are matched
// against the system engine separately.
bool isExcludedFromDot(char16_t unit) {
    return unit == u'\n' || unit == u'\r' || unit == 0x2028 || unit == 0x2029;
}

}  // namespace regex
