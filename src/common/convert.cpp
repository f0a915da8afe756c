#include "convert.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

template <class Floating>
Text shortestDecimal(Floating number) {
    if (number == 0) {
        number = 0;
    }
    char buffer[64];
    return Text(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
}

Bytes littleEndian(std::uint64_t bits, std::size_t width) {
    Bytes bytes(width);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(bits);
        bits >>= 8;
    }
    return bytes;
}

}  // namespace

Text toText(std::int32_t number) {
    return std::to_string(number);
}
Text toText(std::int64_t number) {
    return std::to_string(number);
}
Text toText(float number) {
    return shortestDecimal(number);
}
Text toText(double number) {
    return shortestDecimal(number);
}

Text toText(const Bytes& bytes) {
    return Text(bytes.begin(), std::find(bytes.begin(), bytes.end(), std::uint8_t{0}));
}

Bytes toBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
Bytes toBytes(std::uint8_t number) {
    return littleEndian(number, 1);
}
Bytes toBytes(std::int16_t number) {
    return littleEndian(static_cast<std::uint16_t>(number), 2);
}
Bytes toBytes(std::int32_t number) {
    return littleEndian(static_cast<std::uint32_t>(number), 4);
}
Bytes toBytes(std::int64_t number) {
    return littleEndian(static_cast<std::uint64_t>(number), 8);
}
Bytes toBytes(float number) {
    return littleEndian(std::bit_cast<std::uint32_t>(number), 4);
}
Bytes toBytes(double number) {
    return littleEndian(std::bit_cast<std::uint64_t>(number), 8);
}

std::int64_t toInteger(double number) {
    // 2^63 is exact in a double; every double below it truncates into range.
    constexpr double kLimit = 9223372036854775808.0;
    if (std::isnan(number)) {
        return 0;
    }
    if (number >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (number <= -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(number);
}
