#pragma once
// What fatal_error_probe and its tests share.

#include <cstddef>

// A block no process can ever have: 0xF0000000 bytes in the 32-bit build,
// beyond any address space in the 64-bit one.
constexpr std::size_t kUnobtainableBlock = ~std::size_t{0} - 0x0FFFFFFF;
