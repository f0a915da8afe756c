#pragma once
// What the loader takes from an image's headers before it maps anything:
// every value checked against the image's bytes, so that the later steps
// neither read outside the bytes nor write outside the reserved range.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "image_bounds.h"
#include "pe_image.h"

// The optional header's fields the loader uses, read alike from a PE32 and a
// PE32+ image. Data directories past the image's NumberOfRvaAndSizes are
// absent (zero).
struct ImageHeaders {
    bool wide;                // PE32+: 64-bit image base, import entries and relocations
    std::uint64_t imageBase;  // the preferred base
    std::uint32_t sizeOfImage;
    std::uint32_t sizeOfHeaders;
    std::uint32_t sectionAlignment;
    std::uint32_t fileAlignment;
    std::uint32_t sizeOfInitializedData;
    std::uint32_t sizeOfUninitializedData;
    std::uint32_t entryPoint;  // AddressOfEntryPoint; 0: none
    pe::DataDirectory directories[pe::kDirectoryCount];
};

// The optional header that starts at `optional` and is `size` bytes long
// (the file header's SizeOfOptionalHeader): nothing when it is shorter than
// its fixed fields and the directories it counts, or has a magic other than
// the one of `machine`. Reads at most `size` bytes.
std::optional<ImageHeaders> readOptionalHeader(const std::uint8_t* optional, std::uint16_t size,
                                               std::uint16_t machine);

// True for an image with a section alignment below the page size (equal to
// its file alignment): its sections share pages, so the whole image keeps one
// protection.
inline bool sharesPages(const ImageHeaders& headers) {
    return headers.sectionAlignment < pe::kPageSize;
}

struct ImageLayout : ImageHeaders {
    std::uint32_t ntOffset;            // e_lfanew
    std::uint32_t sectionTableOffset;  // from the start of the image
    std::uint16_t sectionCount;
    bool relocationsStripped;  // IMAGE_FILE_RELOCS_STRIPPED: only the preferred base will do
};

// The layout of the `length` bytes at `data`, or nothing when they are not a
// DLL image of `machine` (pe::kMachineI386 with a PE32 header,
// pe::kMachineAmd64 with a PE32+ one) that the loader can map: headers
// outside the bytes, sizes or alignments that would take a section outside
// the image, over the headers or over another section, raw data outside the
// bytes, an entry routine outside the file data of an executable section.
std::optional<ImageLayout> readImageLayout(const std::uint8_t* data, std::size_t length,
                                           std::uint16_t machine);

// True when the loader may write `count` bytes at `offset` of the loaded
// copy: inside the image and after its headers, which later steps and
// findExport read back.
inline bool writableInside(const ImageLayout& layout, std::uint64_t offset, std::uint64_t count) {
    return offset >= layout.sizeOfHeaders && fitsInside(offset, count, layout.sizeOfImage);
}
