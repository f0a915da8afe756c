#pragma once
// Code-page conversion between byte texts and UTF-16, the platform's
// multi-byte/wide conversion with flags 0: invalid input never fails, it turns
// into the platform's replacement or default character.

#include <string>
#include <string_view>

namespace codepage {

inline constexpr unsigned kGbk = 936;
inline constexpr unsigned kUtf8 = 65001;

std::u16string toUtf16(std::string_view bytes, unsigned codePage);
std::string fromUtf16(std::u16string_view text, unsigned codePage);

}  // namespace codepage
