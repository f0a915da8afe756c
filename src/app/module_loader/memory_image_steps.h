#pragma once
// The steps of loadImageFromMemory after the image's range is reserved and its
// record allocated. Each works on the loaded copy through the layout checked
// by readImageLayout; a step that returns false fails the load.

#include <cstdint>

#include "image_services.h"
#include "memory_image.h"
#include "memory_image_layout.h"
#include "pe_image.h"

// The loaded copy's bytes.
inline std::uint8_t* imageBytes(const MemoryImage& image) {
    return static_cast<std::uint8_t*>(image.codeBase);
}

// A loaded address as a number.
inline std::uint64_t imageAddress(const void* address) {
    return reinterpret_cast<std::uintptr_t>(address);
}

// A loaded address as a PE32 image holds it, and as a section header records
// it: its low 32 bits. Offsets inside the image are differences of two such
// values, modulo 2^32.
inline std::uint32_t imageAddress32(const void* address) {
    return static_cast<std::uint32_t>(imageAddress(address));
}

// The loaded copy's optional header; it lies inside its headers, which the
// loader never writes over but for the image base.
ImageHeaders loadedHeaders(const MemoryImage& image);

// Commits the range and the headers, copies the headers and every section.
bool mapSections(MemoryImage& image, const ImageLayout& layout, const std::uint8_t* data,
                 ImageServices& services);

// Adds `delta` to every target of the base-relocation blocks: the 32-bit
// (HIGHLOW) ones of a PE32 image, the 64-bit (DIR64) ones of a PE32+ image.
bool relocateImage(const MemoryImage& image, const ImageLayout& layout, std::uint64_t delta);

// Loads the libraries the image imports and fills its function slots.
bool resolveImports(MemoryImage& image, const ImageLayout& layout, ImageServices& services);

// Adds `module` to the libraries the record holds, which freeImage frees;
// false when the list cannot grow.
bool keepModule(MemoryImage& image, void* module, ImageServices& services);

// Sets each section's protection or decommits it when discardable.
void finaliseSections(const MemoryImage& image, const ImageLayout& layout, ImageServices& services);

// Whether `size` bytes at `offset` lie inside one section that finaliseSections
// leaves readable (every byte is, when the sections share pages).
bool staysReadable(const MemoryImage& image, const ImageLayout& layout, std::uint32_t offset,
                   std::uint32_t size);

// Registers a PE32+ image's exception table with the system; false when the
// table lies outside the image or outside readable memory, or the system
// refuses it.
bool registerExceptionTable(MemoryImage& image, const ImageLayout& layout, ImageServices& services);
