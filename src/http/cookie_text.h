#pragma once
// The cookie text both HTTP clients keep in their caller's hands: name=value
// pieces joined by "; ", sent back as the Cookie header. Only the name=value
// pair of a cookie survives; its attributes are dropped.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/table.h"
#include "common/value_types.h"

// `headerText` with every letter-case spelling of "Set-Cookie" written so, as
// the cookie readers below expect; what a client hands back as the response
// headers.
Text withSetCookieSpelled(std::string_view headerText);

// The name=value piece a header line sets: the text after "Set-Cookie:" up
// to the first ";", trimmed; empty for a line that holds "Set-Cookie" but
// not "Set-Cookie:"; nullopt for a line without "Set-Cookie".
std::optional<Text> responseCookiePiece(std::string_view line);

// The cookies one response sets, from its raw header block (CR LF lines, every
// spelling of the header already written "Set-Cookie"), joined by "; ".
Text extractResponseCookies(std::string_view headerText);

// Merges `newCookies` into `cookies`: new values replace old ones of the same
// name, a value "deleted" removes the cookie, blanks are removed. Both
// variables are rewritten; the result is the new `cookies`.
Text mergeCookies(Text& cookies, Text& newCookies);

// The name of a piece: the trimmed part before its first "=", or the whole
// trimmed piece.
Text cookieName(std::string_view piece);
bool cookieListHasName(const Table<Text>& pieces, std::string_view name);

// `text` split at `separator` with exact repeats left out, joined again.
Text removeDuplicatePieces(std::string_view text, std::string_view separator);

// The 1-based index of the first element equal to `text`, -1 when none is.
std::int32_t indexOfText(const Table<Text>& list, std::string_view text);
