#pragma once
// The program's two basic value types.

#include <cstdint>
#include <string>
#include <vector>

// A text: bytes in code page 936 (GBK). Lengths and positions count bytes; a
// byte in 0x81..0xFE followed by another byte is one double-byte character.
// An absent text is the empty text.
using Text = std::string;

// A byte array: any bytes, zero bytes included.
using Bytes = std::vector<std::uint8_t>;
