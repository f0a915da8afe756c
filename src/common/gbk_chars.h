#pragma once
// Byte classes of GBK texts, shared by the text primitives' scans.

#include <cstddef>
#include <string_view>

namespace gbk {

inline constexpr std::string_view kFullWidthBlank = "\xA1\xA1";

// A byte in this range starts a double-byte character when another byte
// follows it; the byte after it belongs to that character whatever its value.
inline bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Byte count (1 or 2) of the character that starts at offset.
inline std::size_t characterSize(std::string_view text, std::size_t offset) {
    return isLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}

inline bool isAsciiLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

inline unsigned char foldCase(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

}  // namespace gbk
