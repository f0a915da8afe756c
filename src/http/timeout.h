#pragma once
// Time-outs given in seconds, as the clients hand them to the system in
// milliseconds.

#include <cstdint>
#include <limits>

// `seconds` in milliseconds, or `fallbackMs` when it is below 1. Beyond
// about 24 days the milliseconds would not fit: the longest wait is taken.
inline std::int32_t timeoutMilliseconds(std::int32_t seconds, std::int32_t fallbackMs) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    if (seconds < 1) {
        return fallbackMs;
    }
    return seconds > kMax / 1000 ? kMax : seconds * 1000;
}
