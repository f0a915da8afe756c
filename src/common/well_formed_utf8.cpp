#include "well_formed_utf8.h"

#include <cstdint>
#include <cstring>

bool isUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        // Eight ASCII bytes at a time, the most of most texts.
        std::uint64_t eight;
        if (text.size() - at >= 8 &&
            (std::memcpy(&eight, text.data() + at, 8), (eight & 0x8080808080808080u) == 0)) {
            at += 8;
            continue;
        }
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        unsigned char lowest = 0x80;
        unsigned char highest = 0xBF;
        if (lead < 0x80) {
            ++at;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            lowest = lead == 0xE0 ? 0xA0 : 0x80;
            highest = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            lowest = lead == 0xF0 ? 0x90 : 0x80;
            highest = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (text.size() - at < length) {
            return false;
        }
        const auto second = static_cast<unsigned char>(text[at + 1]);
        if (second < lowest || second > highest) {
            return false;
        }
        for (std::size_t i = 2; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
                return false;
            }
        }
        at += length;
    }
    return true;
}
