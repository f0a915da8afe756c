#include <limits>

#include "text.h"
#include "text_scan.h"

namespace gbk {

Table<Text> split(std::string_view text, std::string_view delimiter,
                  std::optional<std::int32_t> maxParts) {
    const std::int32_t limit = maxParts.value_or(std::numeric_limits<std::int32_t>::max());
    Table<Text> pieces;
    if (text.empty() || limit < 1) {
        return pieces;
    }
    if (delimiter.empty()) {
        appendElement(pieces, Text(text));
        return pieces;
    }
    std::size_t pieceStart = 0;
    while (count(pieces) < limit) {
        const std::size_t found = findOccurrence(text, delimiter, pieceStart, false);
        if (found == std::string_view::npos) {
            if (pieceStart < text.size()) {
                appendElement(pieces, Text(text.substr(pieceStart)));
            }
            break;
        }
        appendElement(pieces, Text(text.substr(pieceStart, found - pieceStart)));
        pieceStart = found + delimiter.size();
    }
    return pieces;
}

}  // namespace gbk
