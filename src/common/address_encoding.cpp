#include "address_encoding.h"

#include "codepage.h"
#include "gbk_chars.h"

Text percentEncodeNonAscii(std::string_view address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
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
        for (const char byte : utf8) {
            const auto value = static_cast<unsigned char>(byte);
            encoded += '%';
            encoded += kHex[value >> 4];
            encoded += kHex[value & 0x0F];
        }
        offset = end;
    }
    return encoded;
}
