#pragma once
// Conversions between the program's basic values, texts and byte arrays.

#include <concepts>
#include <cstdint>
#include <string_view>

#include "value_types.h"

// Numbers in decimal. A floating number gets the shortest form that reads back
// as the same value, without trailing zeros, switching to an exponent ("1e+20")
// only where that is shorter; negative zero shows as "0".
Text toText(std::int32_t number);
Text toText(std::int64_t number);
Text toText(float number);
Text toText(double number);

// A logical as the words for true and false. Only a real bool may pick this:
// a pointer or number converting silently to bool would turn into a word.
template <std::same_as<bool> Logical>
Text toText(Logical flag) {
    return flag ? "真" : "假";
}

// The bytes up to, not including, the first zero byte.
Text toText(const Bytes& bytes);

// A text's bytes without a terminator; numbers as their little-endian bytes
// (1, 2, 4 or 8 of them, the size of the type); a logical as a 4-byte 1 or 0.
Bytes toBytes(std::string_view text);
Bytes toBytes(std::uint8_t number);
Bytes toBytes(std::int16_t number);
Bytes toBytes(std::int32_t number);
Bytes toBytes(std::int64_t number);
Bytes toBytes(float number);
Bytes toBytes(double number);

template <std::same_as<bool> Logical>
Bytes toBytes(Logical flag) {
    return toBytes(std::int32_t{flag ? 1 : 0});
}

// Truncation toward zero. A number beyond the 64-bit range gives the nearest
// end of that range, and NaN gives 0, where a plain cast would be undefined.
std::int64_t toInteger(double number);
