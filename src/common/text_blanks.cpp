#include <algorithm>

#include "gbk_chars.h"
#include "text.h"

namespace gbk {

namespace {

bool isAsciiBlank(unsigned char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// Byte count of the blank character at offset (a character start), 0 when that
// character is not blank.
std::size_t blankSize(std::string_view text, std::size_t offset) {
    if (text.substr(offset, kFullWidthBlank.size()) == kFullWidthBlank) {
        return kFullWidthBlank.size();
    }
    return isAsciiBlank(text[offset]) ? 1 : 0;
}

}  // namespace

// One forward walk: where a character ends is only known by stepping from the
// beginning, so trailing blanks cannot be found by walking backwards.
Text trim(std::string_view text) {
    std::size_t kept = std::string_view::npos;
    std::size_t keptEnd = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t blank = blankSize(text, offset);
        const std::size_t size = blank ? blank : characterSize(text, offset);
        if (!blank) {
            kept = std::min(kept, offset);
            keptEnd = offset + size;
        }
        offset += size;
    }
    return kept == std::string_view::npos ? Text() : Text(text.substr(kept, keptEnd - kept));
}

Text removeBlanks(std::string_view text) {
    Text kept;
    kept.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t blank = blankSize(text, offset);
        const std::size_t size = blank ? blank : characterSize(text, offset);
        if (!blank) {
            kept.append(text.substr(offset, size));
        }
        offset += size;
    }
    return kept;
}

}  // namespace gbk
