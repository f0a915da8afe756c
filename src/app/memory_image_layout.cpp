// The loader's checks of an image's headers and section table, made on the
// bytes as given, before any address space is taken.
#include <bit>

#include "image_bounds.h"
#include "memory_image_layout.h"
#include "pe_image.h"

namespace {

// Sections lie in ascending order after the headers, each aligned, inside the
// image and apart from the others; raw data lies inside the bytes.
bool sectionsFit(const std::uint8_t* data, std::size_t length, const ImageLayout& layout) {
    std::uint64_t freeFrom = layout.sizeOfHeaders;
    for (std::uint32_t index = 0; index < layout.sectionCount; ++index) {
        pe::SectionHeader section;
        readInside(data, length, layout.sectionTableOffset + index * sizeof section, section);
        const std::uint32_t raw = section.SizeOfRawData;
        // A section without raw data is given one alignment unit of zeros.
        const std::uint32_t extent = raw ? raw : layout.sectionAlignment;
        if (section.VirtualAddress % layout.sectionAlignment != 0 ||
            section.VirtualAddress < freeFrom ||
            !fitsInside(section.VirtualAddress, extent, layout.sizeOfImage) ||
            (raw && !fitsInside(section.PointerToRawData, raw, length))) {
            return false;
        }
        freeFrom = std::uint64_t{section.VirtualAddress} + extent;
    }
    return true;
}

}  // namespace

std::optional<ImageLayout> readImageLayout(const std::uint8_t* data, std::size_t length) {
    std::uint16_t dosMagic = 0;
    std::uint32_t ntOffset = 0;
    pe::NtHeaders32 nt;
    if (!readInside(data, length, 0, dosMagic) || dosMagic != pe::kDosMagic ||
        !readInside(data, length, pe::kDosNewHeaderOffset, ntOffset) ||
        !readInside(data, length, ntOffset, nt) || nt.Signature != pe::kNtSignature) {
        return std::nullopt;
    }
    const pe::FileHeader& file = nt.FileHeader;
    const pe::OptionalHeader32& optional = nt.OptionalHeader;
    if (file.Machine != pe::kMachineI386 || optional.Magic != pe::kOptionalHeaderMagic32 ||
        file.SizeOfOptionalHeader < sizeof optional) {
        return std::nullopt;
    }
    const std::uint64_t tableOffset =
        std::uint64_t{ntOffset} + pe::kSectionTableBase + file.SizeOfOptionalHeader;
    const std::uint64_t tableSize =
        std::uint64_t{file.NumberOfSections} * sizeof(pe::SectionHeader);
    // The headers are copied whole and the section table is written to in the
    // copy, so it must lie inside SizeOfHeaders; a section alignment below the
    // page size would let the pages of neighbouring sections share protections
    // and decommits.
    if (optional.SizeOfImage == 0 || optional.SizeOfHeaders > length ||
        optional.SizeOfHeaders > optional.SizeOfImage ||
        !fitsInside(tableOffset, tableSize, optional.SizeOfHeaders) ||
        optional.SectionAlignment < pe::kPageSize ||
        !std::has_single_bit(optional.SectionAlignment) ||
        optional.AddressOfEntryPoint >= optional.SizeOfImage) {
        return std::nullopt;
    }
    const ImageLayout layout{ntOffset,
                             static_cast<std::uint32_t>(tableOffset),
                             file.NumberOfSections,
                             optional.ImageBase,
                             optional.SizeOfImage,
                             optional.SizeOfHeaders,
                             optional.SectionAlignment,
                             optional.AddressOfEntryPoint};
    if (!sectionsFit(data, length, layout)) {
        return std::nullopt;
    }
    return layout;
}
