#pragma once
// Text primitives over GBK byte texts. Lengths and positions count bytes and
// positions start at 1. Every scan steps a double-byte character (a byte in
// 0x81..0xFE and the byte after it) as one unit, so a match never begins on the
// second byte of a character. An absent text is the empty text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "table.h"
#include "value_types.h"

namespace gbk {

namespace detail {

inline std::string_view piece(std::string_view text) {
    return text;
}
inline std::string_view piece(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

}  // namespace detail

// The parts joined in order; each is a Text, a string_view or a C string, and a
// null C string counts as the empty text.
template <class... Parts>
Text concat(const Parts&... parts) {
    Text joined;
    joined.reserve((std::size_t{0} + ... + detail::piece(parts).size()));
    (joined.append(detail::piece(parts)), ...);
    return joined;
}

std::int32_t length(std::string_view text);

// The first / last min(n, length) bytes; n <= 0 gives the empty text.
Text left(std::string_view text, std::int32_t n);
Text right(std::string_view text, std::int32_t n);

// Up to n bytes from position start; a start outside 1..length or n <= 0
// gives the empty text.
Text middle(std::string_view text, std::int32_t start, std::int32_t n);

// n ASCII spaces; n < 1 gives the empty text.
Text blanks(std::int32_t n);

// The one-byte text of code's low byte, so a signed char read from a text
// gives its own byte back. A zero byte gives the empty text: texts hold none.
Text character(int code);

// Position of the first occurrence of sought at or after start, or -1. The
// scan begins exactly at byte start (a start below 1 counts as 1) and steps
// characters from there. An empty sought text is found at start when the text
// reaches that far. ignoreCase folds ASCII letters only; the second byte of a
// double-byte character always compares exactly.
std::int32_t find(std::string_view text, std::string_view sought, std::int32_t start = 1,
                  bool ignoreCase = false);

// The text with occurrences of sought replaced, scanning from start (below 1
// counts as 1) and copying the bytes before it unchanged. Occurrences never
// overlap; at most count of them are replaced (all when absent, none when
// below 1). Case folding as in find.
Text replace(std::string_view text, std::string_view sought, std::string_view replacement,
             std::int32_t start, std::optional<std::int32_t> count, bool caseSensitive);
Text replace(std::string_view text, std::string_view sought, std::string_view replacement,
             bool caseSensitive);

// The pieces between byte-exact occurrences of delimiter, empty pieces
// included; the remainder after the last delimiter only when it is not empty.
// With maxParts, no more than that many pieces (none when below 1). The empty
// text gives no pieces; an empty delimiter gives the whole text as one piece.
Table<Text> split(std::string_view text, std::string_view delimiter = ",",
                  std::optional<std::int32_t> maxParts = std::nullopt);

// -1, 0 or 1. Characters compare as units: a single byte by its value, a
// double-byte character as lead * 256 + trail, so it sorts after every single
// byte. Without caseSensitive, single-byte ASCII letters compare as lower case.
int compare(std::string_view a, std::string_view b, bool caseSensitive);

// Blanks are the ASCII white space of the C library (space, tab, line feed,
// vertical tab, form feed, carriage return) and the full-width blank A1 A1 when
// it is a whole double-byte character.
Text trim(std::string_view text);
Text removeBlanks(std::string_view text);

}  // namespace gbk
