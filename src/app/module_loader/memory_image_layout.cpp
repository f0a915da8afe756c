// The loader's checks of an image's headers and section table, made on the
// bytes as given, before any address space is taken.
#include "memory_image_layout.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

#include "image_bounds.h"
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

// The entry routine, when there is one, starts in the file data of an
// executable section. The system's loader fails an image whose entry lies
// elsewhere (in the headers, in data, in zeros) as that call faults; the
// loader refuses it before running anything.
bool entryInCode(const std::uint8_t* data, std::size_t length, const ImageLayout& layout) {
    if (layout.entryPoint == 0) {
        return true;
    }
    for (std::uint32_t index = 0; index < layout.sectionCount; ++index) {
        pe::SectionHeader section;
        readInside(data, length, layout.sectionTableOffset + index * sizeof section, section);
        if ((section.Characteristics & pe::kScnExecute) &&
            layout.entryPoint >= section.VirtualAddress &&
            layout.entryPoint - section.VirtualAddress < section.SizeOfRawData) {
            return true;
        }
    }
    return false;
}

// The present part of an Optional (the PE32 or the PE32+ form) at
// `optional`: its fixed fields and as many directories as it counts and
// holds, the rest zero.
template <class Optional>
std::optional<ImageHeaders> readOptional(const std::uint8_t* optional, std::uint16_t size,
                                         std::uint16_t magic, bool wide) {
    constexpr std::size_t kFixed = offsetof(Optional, DataDirectory);
    Optional header{};
    if (size < kFixed) {
        return std::nullopt;
    }
    std::memcpy(&header, optional, std::min<std::size_t>(size, sizeof header));
    const std::uint32_t count =
        std::min<std::uint32_t>(header.NumberOfRvaAndSizes, pe::kDirectoryCount);
    if (header.Magic != magic || size < kFixed + count * sizeof(pe::DataDirectory)) {
        return std::nullopt;
    }
    ImageHeaders headers{wide,
                         header.ImageBase,
                         header.SizeOfImage,
                         header.SizeOfHeaders,
                         header.SectionAlignment,
                         header.FileAlignment,
                         header.SizeOfInitializedData,
                         header.SizeOfUninitializedData,
                         header.AddressOfEntryPoint,
                         {}};
    for (std::uint32_t index = 0; index < count; ++index) {
        headers.directories[index] = header.DataDirectory[index];
    }
    return headers;
}

// The format's rules for the two alignments: powers of two, the section
// alignment not below the file alignment, and equal to it when it is below
// the page size.
bool alignmentsAllowed(const ImageHeaders& headers) {
    return std::has_single_bit(headers.sectionAlignment) &&
           std::has_single_bit(headers.fileAlignment) &&
           headers.sectionAlignment >= headers.fileAlignment &&
           (!sharesPages(headers) || headers.sectionAlignment == headers.fileAlignment);
}

}  // namespace

std::optional<ImageHeaders> readOptionalHeader(const std::uint8_t* optional, std::uint16_t size,
                                               std::uint16_t machine) {
    if (machine == pe::kMachineI386) {
        return readOptional<pe::OptionalHeader32>(optional, size, pe::kOptionalHeaderMagic32,
                                                  false);
    }
    if (machine == pe::kMachineAmd64) {
        return readOptional<pe::OptionalHeader64>(optional, size, pe::kOptionalHeaderMagic64, true);
    }
    return std::nullopt;
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
        !readInside(data, length, std::uint64_t{ntOffset} + 4, file) || file.Machine != machine ||
        !(file.Characteristics & pe::kFileDll)) {
        return std::nullopt;
    }
    const std::uint64_t optionalOffset = std::uint64_t{ntOffset} + pe::kSectionTableBase;
    if (!fitsInside(optionalOffset, file.SizeOfOptionalHeader, length)) {
        return std::nullopt;
    }
    const std::optional<ImageHeaders> headers =
        readOptionalHeader(data + optionalOffset, file.SizeOfOptionalHeader, machine);
    if (!headers) {
        return std::nullopt;
    }
    const ImageHeaders& optional = *headers;
    const std::uint64_t tableOffset =
        std::uint64_t{ntOffset} + pe::kSectionTableBase + file.SizeOfOptionalHeader;
    const std::uint64_t tableSize =
        std::uint64_t{file.NumberOfSections} * sizeof(pe::SectionHeader);
    // The headers are copied whole and the section table is written to in the
    // copy, so it must lie inside SizeOfHeaders.
    if (optional.sizeOfImage == 0 || optional.sizeOfHeaders > length ||
        optional.sizeOfHeaders > optional.sizeOfImage ||
        !fitsInside(tableOffset, tableSize, optional.sizeOfHeaders) ||
        !alignmentsAllowed(optional)) {
        return std::nullopt;
    }
    const ImageLayout layout{optional, ntOffset, static_cast<std::uint32_t>(tableOffset),
                             file.NumberOfSections,
                             (file.Characteristics & pe::kFileRelocsStripped) != 0};
    if (!sectionsFit(data, length, layout) || !entryInCode(data, length, layout)) {
        return std::nullopt;
    }
    return layout;
}
