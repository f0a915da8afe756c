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

// A loaded address as the 32-bit value the image holds.
inline std::uint32_t imageAddress(const void* address) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address));
}

// The loaded copy's NT headers; they lie inside its headers, which the loader
// never writes over.
pe::NtHeaders32 loadedHeaders(const MemoryImage& image);

// Commits the range and the headers, copies the headers and every section.
bool mapSections(MemoryImage& image, const ImageLayout& layout, const std::uint8_t* data,
                 ImageServices& services);

// Adds `delta` to every HIGHLOW target of the base-relocation blocks.
bool relocateImage(const MemoryImage& image, const ImageLayout& layout, std::uint32_t delta);

// Loads the libraries the image imports and fills its function slots.
bool resolveImports(MemoryImage& image, const ImageLayout& layout, ImageServices& services);

// Sets each section's protection or decommits it when discardable.
void finaliseSections(const MemoryImage& image, const ImageLayout& layout, ImageServices& services);
