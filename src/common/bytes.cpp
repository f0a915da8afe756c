#include "bytes.h"

#include <algorithm>
#include <bit>
#include <optional>

Bytes bytesLeft(const Bytes& bytes, std::int32_t n) {
    if (n <= 0) {
        return {};
    }
    const std::size_t kept = std::min(static_cast<std::size_t>(n), bytes.size());
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
}

Bytes zeroBytes(std::int32_t n) {
    return n <= 0 ? Bytes() : Bytes(static_cast<std::size_t>(n));
}

Bytes bytesFromMemory(const void* address, std::int32_t length) {
    if (!address || length <= 0) {
        return {};
    }
    const auto* first = static_cast<const std::uint8_t*>(address);
    return Bytes(first, first + length);
}

namespace {

// Moves the reading position past `width` bytes and returns the 0-based offset
// of those bytes, or nothing when they do not all lie inside the array.
std::optional<std::size_t> claim(const Bytes& bytes, std::int32_t* position, std::size_t width) {
    const std::int64_t at = position ? *position : 1;
    if (at < 1 || static_cast<std::uint64_t>(at - 1) + width > bytes.size()) {
        if (position) {
            *position = -1;
        }
        return std::nullopt;
    }
    const std::size_t offset = static_cast<std::size_t>(at - 1);
    if (position) {
        const std::size_t next = offset + width;
        *position = next < bytes.size() ? static_cast<std::int32_t>(next + 1) : -1;
    }
    return offset;
}

std::uint64_t readBits(const Bytes& bytes, std::int32_t* position, std::size_t width) {
    const std::optional<std::size_t> offset = claim(bytes, position, width);
    std::uint64_t bits = 0;
    if (offset) {
        for (std::size_t i = width; i-- > 0;) {
            bits = bits << 8 | bytes[*offset + i];
        }
    }
    return bits;
}

}  // namespace

std::uint8_t readByte(const Bytes& bytes, std::int32_t* position) {
    return static_cast<std::uint8_t>(readBits(bytes, position, 1));
}

std::int16_t readInt16(const Bytes& bytes, std::int32_t* position) {
    return static_cast<std::int16_t>(readBits(bytes, position, 2));
}

std::int32_t readInt32(const Bytes& bytes, std::int32_t* position) {
    return static_cast<std::int32_t>(readBits(bytes, position, 4));
}

std::int64_t readInt64(const Bytes& bytes, std::int32_t* position) {
    return static_cast<std::int64_t>(readBits(bytes, position, 8));
}

float readFloat(const Bytes& bytes, std::int32_t* position) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(readBits(bytes, position, 4)));
}

double readDouble(const Bytes& bytes, std::int32_t* position) {
    return std::bit_cast<double>(readBits(bytes, position, 8));
}

bool readLogical(const Bytes& bytes, std::int32_t* position) {
    return readBits(bytes, position, 4) != 0;
}

double readDate(const Bytes& bytes, std::int32_t* position) {
    return readDouble(bytes, position);
}

Text readText(const Bytes& bytes, std::int32_t* position) {
    const std::int64_t at = position ? *position : 1;
    if (at < 1 || static_cast<std::uint64_t>(at) > bytes.size()) {
        if (position) {
            *position = -1;
        }
        return {};
    }
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(at - 1);
    const auto zero = std::find(first, bytes.end(), std::uint8_t{0});
    const std::size_t width =
        static_cast<std::size_t>(zero - first) + (zero == bytes.end() ? 0 : 1);
    claim(bytes, position, width);
    return Text(first, zero);
}
