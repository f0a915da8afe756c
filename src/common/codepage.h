#pragma once
// Code-page conversion between byte texts and UTF-16, the platform's
// multi-byte/wide conversion with flags 0: invalid input never fails, it turns
// into the platform's replacement or default character.

#include <string>
#include <string_view>

namespace codepage {

inline constexpr unsigned kGbk = 936;
inline constexpr unsigned kUtf8 = 65001;
// Code pages the charset declarations of web pages name (see charsetCodePage).
inline constexpr unsigned kBig5 = 950;
inline constexpr unsigned kShiftJis = 932;
inline constexpr unsigned kEucKr = 51949;
inline constexpr unsigned kGb18030 = 54936;
inline constexpr unsigned kLatin1 = 28591;
inline constexpr unsigned kAscii = 20127;

std::u16string toUtf16(std::string_view bytes, unsigned codePage);
// `flags` are the platform's wide-to-multi-byte flags.
std::string fromUtf16(std::u16string_view text, unsigned codePage, unsigned flags = 0);

}  // namespace codepage
