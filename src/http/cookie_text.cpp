#include "cookie_text.h"

#include "common/text.h"
#include "text_between.h"

namespace {

constexpr char kSetCookie[] = "Set-Cookie";
constexpr char kDeletedValue[] = "=deleted";

// `text` without its last `n` bytes; empty when it is shorter.
Text dropLast(const Text& text, std::int32_t n) {
    return gbk::left(text, gbk::length(text) - n);
}

}  // namespace

Text withSetCookieSpelled(std::string_view headerText) {
    return gbk::replace(headerText, kSetCookie, kSetCookie, false);
}

std::optional<Text> responseCookiePiece(std::string_view line) {
    if (gbk::find(line, kSetCookie) < 0) {
        return std::nullopt;
    }
    // A header whose name or value merely holds the word sets no cookie.
    if (gbk::find(line, "Set-Cookie:") < 0) {
        return Text();
    }
    return gbk::find(line, ";") > 0 ? gbk::trim(textBetween(line, "Set-Cookie:", ";", 0, false))
                                    : gbk::trim(gbk::replace(line, "Set-Cookie:", "", false));
}

Text extractResponseCookies(std::string_view headerText) {
    Text result;
    for (const Text& line : gbk::split(headerText, "\r\n")) {
        if (const auto piece = responseCookiePiece(line)) {
            result += *piece + "; ";
        }
    }
    return dropLast(result, 2);
}

Text cookieName(std::string_view piece) {
    const std::int32_t equals = gbk::find(piece, "=");
    return gbk::trim(equals > 0 ? gbk::left(piece, equals - 1) : Text(piece));
}

bool cookieListHasName(const Table<Text>& pieces, std::string_view name) {
    for (const Text& piece : pieces) {
        if (cookieName(piece) == name) {
            return true;
        }
    }
    return false;
}

std::int32_t indexOfText(const Table<Text>& list, std::string_view text) {
    for (std::int32_t i = 1; i <= count(list); ++i) {
        if (list[i] == text) {
            return i;
        }
    }
    return -1;
}

Text removeDuplicatePieces(std::string_view text, std::string_view separator) {
    Table<Text> seen;
    Text result;
    for (const Text& piece : gbk::split(text, separator)) {
        if (indexOfText(seen, piece) < 0) {
            appendElement(seen, piece);
            result += piece;
            result += separator;
        }
    }
    return dropLast(result, gbk::length(separator));
}

Text mergeCookies(Text& cookies, Text& newCookies) {
    cookies = gbk::removeBlanks(cookies);
    newCookies = gbk::removeBlanks(newCookies);
    const Table<Text> oldPieces = gbk::split(cookies, ";");
    Table<Text> pieces = gbk::split(newCookies, ";");
    // Checked against the list as it grows: of two old pieces with one name,
    // only the first is carried over.
    for (const Text& piece : oldPieces) {
        if (!cookieListHasName(pieces, cookieName(piece))) {
            appendElement(pieces, piece);
        }
    }
    cookies.clear();
    for (const Text& piece : pieces) {
        if (gbk::right(piece, 8) != kDeletedValue) {
            cookies += piece + "; ";
        }
    }
    cookies = removeDuplicatePieces(dropLast(cookies, 2), "; ");
    return cookies;
}
