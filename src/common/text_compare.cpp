#include "gbk_chars.h"
#include "text.h"

namespace gbk {

namespace {

// Values of single bytes stay below 0x100 and those of double-byte characters
// start at 0x8100, so the order is total and a lead byte never compares
// against an ASCII byte on its own.
unsigned characterValue(std::string_view text, std::size_t offset, std::size_t size,
                        bool caseSensitive) {
    const auto first = static_cast<unsigned char>(text[offset]);
    if (size == 2) {
        return first << 8 | static_cast<unsigned char>(text[offset + 1]);
    }
    return caseSensitive ? first : foldCase(first);
}

}  // namespace

int compare(std::string_view a, std::string_view b, bool caseSensitive) {
    // Equal values mean equal character sizes, so one offset serves both texts.
    std::size_t offset = 0;
    while (offset < a.size() && offset < b.size()) {
        const std::size_t sizeA = characterSize(a, offset);
        const unsigned valueA = characterValue(a, offset, sizeA, caseSensitive);
        const unsigned valueB = characterValue(b, offset, characterSize(b, offset), caseSensitive);
        if (valueA != valueB) {
            return valueA < valueB ? -1 : 1;
        }
        offset += sizeA;
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace gbk
