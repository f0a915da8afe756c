#pragma once
// The checksum that guards a .she skin's body: CRC-32 as zlib computes it
// (reflected polynomial 0xEDB88320, initial and final value 0xFFFFFFFF).

#include <cstdint>
#include <span>

std::uint32_t skinChecksum(std::span<const std::uint8_t> bytes);
