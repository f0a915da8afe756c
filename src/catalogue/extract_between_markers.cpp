#include "extract_between_markers.h"

#include <string>
#include <utility>

#include "common/gbk_chars.h"
#include "common/pending_events.h"
#include "common/text.h"

namespace {

// Pumps after each marker pair (three times over, a fourth time when a piece
// was measured against a length limit) so the window keeps painting while a
// playlist of a thousand records is cut apart.
constexpr int kPumpsPerPiece = 3;

std::size_t blankSize(std::string_view text, std::size_t offset) {
    if (text[offset] == ' ') {
        return 1;
    }
    return text.substr(offset, gbk::kFullWidthBlank.size()) == gbk::kFullWidthBlank
               ? gbk::kFullWidthBlank.size()
               : 0;
}

// Only the ASCII space and the full-width blank count here: tabs and line
// breaks inside a field are part of it. Walks forward because the end of a
// character is only known by stepping from the beginning.
std::string_view trimSpaces(std::string_view text) {
    std::size_t kept = std::string_view::npos;
    std::size_t keptEnd = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t blank = blankSize(text, offset);
        if (blank) {
            offset += blank;
            continue;
        }
        if (kept == std::string_view::npos) {
            kept = offset;
        }
        offset += gbk::characterSize(text, offset);
        keptEnd = offset;
    }
    return kept == std::string_view::npos ? std::string_view() : text.substr(kept, keptEnd - kept);
}

}  // namespace

std::int32_t extractBetweenMarkers(std::string_view text, std::string_view startMarker,
                                   std::string_view endMarker, Table<Text>& pieces,
                                   bool caseSensitive, std::int32_t maxLength,
                                   std::string_view prefix, std::string_view suffix,
                                   bool keepStartMarker, bool keepEndMarker,
                                   std::int32_t startPosition) {
    pieces.clear();
    // An empty start marker would be found again where the last piece ended,
    // forever; an empty end marker closes every piece before it begins.
    if (startMarker.empty() || endMarker.empty()) {
        return 0;
    }
    // Collected apart and handed over at the end, so a handler that runs
    // while messages are pumped never sees, nor disturbs, a half-built list.
    Table<Text> found;
    const bool ignoreCase = !caseSensitive;
    std::int32_t searchFrom = startPosition;
    for (;;) {
        const std::int32_t start = gbk::find(text, startMarker, searchFrom, ignoreCase);
        if (start < 0) {
            break;
        }
        const std::int32_t p = start + static_cast<std::int32_t>(startMarker.size());
        const std::int32_t end = gbk::find(text, endMarker, p, ignoreCase);
        if (end < 0) {
            break;
        }
        searchFrom = p;
        const std::string_view between = text.substr(p - 1, end - p);
        Text piece = gbk::concat(prefix, trimSpaces(between), suffix);
        int pumps = kPumpsPerPiece;
        if (!piece.empty()) {
            if (keepStartMarker) {
                piece.insert(0, startMarker);
            }
            if (keepEndMarker) {
                piece.append(endMarker);
            }
            if (maxLength == 0) {
                found.append(std::move(piece));
            } else {
                ++pumps;
                if (gbk::length(piece) < maxLength) {
                    found.append(std::move(piece));
                }
            }
            // The next start marker may open right where this end marker
            // stands, as when both are the same separator.
            searchFrom = end;
        }
        for (int pump = 0; pump < pumps; ++pump) {
            processPendingEvents();
        }
    }
    pieces = std::move(found);
    return pieces.size();
}
