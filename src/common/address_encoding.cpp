#include "address_encoding.h"

#include "codepage.h"
#include "gbk_chars.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void appendEncoded(Text& encoded, unsigned char value) {
    encoded += '%';
    encoded += kHex[value >> 4];
    encoded += kHex[value & 0x0F];
}

}  // namespace

Text percentEncodeUtf8NonAscii(std::string_view utf8Address) {
    Text encoded;
    for (const char byte : utf8Address) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80) {
            encoded += byte;
        } else {
            appendEncoded(encoded, value);
        }
    }
    return encoded;
}

Text percentEncodeNonAscii(std::string_view address) {
    Text encoded;
    std::size_t offset = 0;
    while (offset < address.size()) {
        if (static_cast<unsigned char>(address[offset]) < 0x80) {
            encoded += address[offset++];
            continue;
        }
        // A run of characters outside ASCII, each one or two bytes.
        std::size_t end = offset;
        while (end < address.size() && static_cast<unsigned char>(address[end]) >= 0x80) {
            end += gbk::characterSize(address, end);
        }
        const std::string utf8 = codepage::fromUtf16(
            codepage::toUtf16(address.substr(offset, end - offset), codepage::kGbk),
            codepage::kUtf8);
        encoded += percentEncodeUtf8NonAscii(utf8);
        offset = end;
    }
    return encoded;
}
