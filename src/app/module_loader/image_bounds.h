#pragma once
// Reads from a block of bytes (the image as given, or its loaded copy) that
// never reach outside it. Offsets and counts are 64-bit, so no sum of 32-bit
// image fields can wrap around.

#include <cstddef>
#include <cstdint>
#include <cstring>

// True when `count` bytes from `offset` lie inside a block of `size` bytes.
inline bool fitsInside(std::uint64_t offset, std::uint64_t count, std::uint64_t size) {
    return offset <= size && count <= size - offset;
}

// Copies the T stored at `offset`; false when it does not lie wholly inside.
template <class T>
bool readInside(const std::uint8_t* block, std::uint64_t size, std::uint64_t offset, T& value) {
    if (!fitsInside(offset, sizeof(T), size)) {
        return false;
    }
    std::memcpy(&value, block + offset, sizeof(T));
    return true;
}

// True when a zero-terminated text starts at `offset` and its terminator lies
// inside the block (which is in memory, so its size fits a size_t).
inline bool textInside(const std::uint8_t* block, std::uint64_t size, std::uint64_t offset) {
    return offset < size &&
           std::memchr(block + offset, 0, static_cast<std::size_t>(size - offset)) != nullptr;
}
