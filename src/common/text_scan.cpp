#include "text_scan.h"

#include <cstring>

#include "gbk_chars.h"

namespace gbk {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// First offset in [from, end) whose byte may begin an occurrence of a text
// starting with first. memchr does the bulk of the work for the usual
// case-sensitive scans.
std::size_t nextCandidate(std::string_view text, std::size_t from, std::size_t end,
                          unsigned char first, bool ignoreCase) {
    if (from >= end) {
        return kNone;
    }
    if (ignoreCase && isAsciiLetter(first)) {
        const unsigned char folded = foldCase(first);
        for (std::size_t offset = from; offset < end; ++offset) {
            if (foldCase(text[offset]) == folded) {
                return offset;
            }
        }
        return kNone;
    }
    const void* hit = std::memchr(text.data() + from, first, end - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : kNone;
}

// Whether offset starts a character when the text is stepped from boundary, a
// known character start at or before it. Only the run of lead-range bytes just
// before offset matters: the byte in front of that run ends a character
// whatever it is, and from there the run pairs up into double-byte characters.
bool startsCharacter(std::string_view text, std::size_t boundary, std::size_t offset) {
    std::size_t runStart = offset;
    while (runStart > boundary && isLeadByte(text[runStart - 1])) {
        --runStart;
    }
    return (offset - runStart) % 2 == 0;
}

// The bytes at offset (a character start with room for sought) equal sought.
// Folding touches single-byte letters only: the trail byte of a double-byte
// character may look like a letter but names a different character.
bool matchesAt(std::string_view text, std::size_t offset, std::string_view sought,
               bool ignoreCase) {
    const std::string_view candidate = text.substr(offset, sought.size());
    if (!ignoreCase) {
        return candidate == sought;
    }
    for (std::size_t i = 0; i < sought.size();) {
        const std::size_t size = characterSize(sought, i);
        if (size == 2) {
            if (candidate.substr(i, 2) != sought.substr(i, 2)) {
                return false;
            }
        } else if (foldCase(candidate[i]) != foldCase(sought[i])) {
            return false;
        }
        i += size;
    }
    return true;
}

}  // namespace

std::size_t findOccurrence(std::string_view text, std::string_view sought, std::size_t from,
                           bool ignoreCase) {
    if (sought.empty() || from > text.size() || text.size() - from < sought.size()) {
        return kNone;
    }
    const std::size_t candidatesEnd = text.size() - sought.size() + 1;
    // Every candidate moves the known character start forward, so each byte is
    // looked at by startsCharacter at most once per call.
    std::size_t boundary = from;
    for (std::size_t candidate = nextCandidate(text, from, candidatesEnd, sought[0], ignoreCase);
         candidate != kNone;
         candidate = nextCandidate(text, candidate + 1, candidatesEnd, sought[0], ignoreCase)) {
        if (!startsCharacter(text, boundary, candidate)) {
            // A trail byte: the next character starts right behind it.
            boundary = candidate + 1;
            continue;
        }
        if (matchesAt(text, candidate, sought, ignoreCase)) {
            return candidate;
        }
        boundary = candidate;
    }
    return kNone;
}

}  // namespace gbk
