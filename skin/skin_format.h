#pragma once
// The skin library's skin format, ".she", version 1. All numbers are
// little-endian.
//
//   offset  size  field
//   0       4     magic ".SHE"
//   4       2     version: 1
//   6       2     number of entries
//   8       4     body size: the bytes after this 16-byte header
//   12      4     CRC-32 of the body (skin_checksum.h)
//   16      ...   the body: the entries one after another, nothing after them
//
// An entry is a key and a value:
//   1 byte key length (1..255), the key (ASCII), 1 byte value length, the value.
// A colour's key is one of kSkinColourKeys and its value is 3 bytes: red,
// green, blue. Keys the library does not know are skipped, so a later skin
// may carry more; a known key must appear once, with a 3-byte value.
//
// A skin is taken whole or not at all: a short or damaged skin, a wrong magic
// or version, a size or count that does not match, a duplicate or missing
// colour all reject it, and nothing outside the given bytes is ever read.

#include <cstdint>
#include <optional>
#include <span>

#include "skin_theme.h"

inline constexpr std::uint16_t kSkinFormatVersion = 1;
inline constexpr std::size_t kSkinHeaderSize = 16;

std::optional<SkinTheme> parseSkin(std::span<const std::uint8_t> bytes);
