#pragma once
// Byte-array primitives and reading typed values out of a byte array.

#include <cstddef>
#include <cstdint>

#include "value_types.h"

// The first min(n, size) bytes; n <= 0 gives the empty array.
Bytes bytesLeft(const Bytes& bytes, std::int32_t n);

// The arrays one after another, copied once.
template <class... Arrays>
Bytes joinBytes(const Arrays&... arrays) {
    Bytes joined;
    joined.reserve((std::size_t{0} + ... + arrays.size()));
    (joined.insert(joined.end(), arrays.begin(), arrays.end()), ...);
    return joined;
}

// n zero bytes; n <= 0 gives the empty array.
Bytes zeroBytes(std::int32_t n);

// A copy of length bytes at address; a null address or length <= 0 gives the
// empty array.
Bytes bytesFromMemory(const void* address, std::int32_t length);

// Readers of one value at a 1-based position (1 when position is null).
// Numbers are little-endian. The position is advanced past the value and set
// to -1 once nothing is left behind it. A position outside the array, or a
// value that does not fit before its end, reads nothing: the result is 0,
// false or the empty text and the position becomes -1.
std::uint8_t readByte(const Bytes& bytes, std::int32_t* position = nullptr);
std::int16_t readInt16(const Bytes& bytes, std::int32_t* position = nullptr);
std::int32_t readInt32(const Bytes& bytes, std::int32_t* position = nullptr);
std::int64_t readInt64(const Bytes& bytes, std::int32_t* position = nullptr);
float readFloat(const Bytes& bytes, std::int32_t* position = nullptr);
double readDouble(const Bytes& bytes, std::int32_t* position = nullptr);
// A logical is four bytes; any nonzero value is true.
bool readLogical(const Bytes& bytes, std::int32_t* position = nullptr);
// A date is an OLE date: an 8-byte float counting days from 1899-12-30.
double readDate(const Bytes& bytes, std::int32_t* position = nullptr);
// The bytes up to the next zero byte, which is passed over; without one, the
// rest of the array.
Text readText(const Bytes& bytes, std::int32_t* position = nullptr);
