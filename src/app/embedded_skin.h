#pragma once
// The skin library and its skin, carried inside the program as bytes (built
// from skin/ and embedded by cmake/EmbedBytes.cmake).

#include <cstdint>
#include <span>

// The skin library: a complete 32-bit Windows DLL image.
std::span<const std::uint8_t> skinLibraryImage();

// The program's skin in the library's .she format.
std::span<const std::uint8_t> skinData();
