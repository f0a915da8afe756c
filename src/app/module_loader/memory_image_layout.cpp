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

// The optional header at `offset` as an Optional (the PE32 or the PE32+
// form), when the file header makes room for one and its magic is `magic`.
template <class Optional>
std::optional<ImageHeaders> readOptional(const std::uint8_t* data, std::size_t length,
                                         std::uint64_t offset, const pe::FileHeader& file,
                                         std::uint16_t magic) {
    Optional optional;
    if (file.SizeOfOptionalHeader < sizeof optional ||
        !readInside(data, length, offset, optional) || optional.Magic != magic) {
        return std::nullopt;
    }
    return headersOf(optional);
}

template <class Optional>
ImageHeaders commonHeaders(const Optional& optional, bool wide) {
    ImageHeaders headers{wide,
                         optional.ImageBase,
                         optional.SizeOfImage,
                         optional.SizeOfHeaders,
                         optional.SectionAlignment,
                         optional.SizeOfInitializedData,
                         optional.SizeOfUninitializedData,
                         optional.AddressOfEntryPoint,
                         {}};
    for (int index = 0; index < pe::kDirectoryCount; ++index) {
        headers.directories[index] = optional.DataDirectory[index];
    }
    return headers;
}

}  // namespace

ImageHeaders headersOf(const pe::OptionalHeader32& optional) {
    return commonHeaders(optional, false);
}

ImageHeaders headersOf(const pe::OptionalHeader64& optional) {
    return commonHeaders(optional, true);
}

std::optional<ImageLayout> readImageLayout(const std::uint8_t* data, std::size_t length,
                                           std::uint16_t machine) {
    std::uint16_t dosMagic = 0;
    std::uint32_t ntOffset = 0;
    std::uint32_t signature = 0;
    pe::FileHeader file;
    if (!readInside(data, length, 0, dosMagic) || dosMagic != pe::kDosMagic ||
        !readInside(data, length, pe::kDosNewHeaderOffset, ntOffset) ||
        !readInside(data, length, ntOffset, signature) || signature != pe::kNtSignature ||
        !readInside(data, length, std::uint64_t{ntOffset} + 4, file) || file.Machine != machine) {
        return std::nullopt;
    }
    const std::uint64_t optionalOffset = std::uint64_t{ntOffset} + pe::kSectionTableBase;
    std::optional<ImageHeaders> headers;
    if (machine == pe::kMachineI386) {
        headers = readOptional<pe::OptionalHeader32>(data, length, optionalOffset, file,
                                                     pe::kOptionalHeaderMagic32);
    } else if (machine == pe::kMachineAmd64) {
        headers = readOptional<pe::OptionalHeader64>(data, length, optionalOffset, file,
                                                     pe::kOptionalHeaderMagic64);
    }
    if (!headers) {
        return std::nullopt;
    }
    const ImageHeaders& optional = *headers;
    const std::uint64_t tableOffset =
        std::uint64_t{ntOffset} + pe::kSectionTableBase + file.SizeOfOptionalHeader;
    const std::uint64_t tableSize =
        std::uint64_t{file.NumberOfSections} * sizeof(pe::SectionHeader);
    // The headers are copied whole and the section table is written to in the
    // copy, so it must lie inside SizeOfHeaders; a section alignment below the
    // page size would let the pages of neighbouring sections share protections
    // and decommits.
    if (optional.sizeOfImage == 0 || optional.sizeOfHeaders > length ||
        optional.sizeOfHeaders > optional.sizeOfImage ||
        !fitsInside(tableOffset, tableSize, optional.sizeOfHeaders) ||
        optional.sectionAlignment < pe::kPageSize ||
        !std::has_single_bit(optional.sectionAlignment) ||
        optional.entryPoint >= optional.sizeOfImage) {
        return std::nullopt;
    }
    const ImageLayout layout{optional, ntOffset, static_cast<std::uint32_t>(tableOffset),
                             file.NumberOfSections};
    if (!sectionsFit(data, length, layout)) {
        return std::nullopt;
    }
    return layout;
}
