#include "skin_checksum.h"

// Bit by bit: a skin is a few hundred bytes, read once per attach, so a table
// would only make the library bigger.
std::uint32_t skinChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}
