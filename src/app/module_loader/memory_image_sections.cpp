// Laying an image out at its virtual addresses: the whole range committed,
// the headers copied with the new base, each section's raw data copied (or
// one alignment unit of zeros) and its address recorded in its header.
#include <cstddef>
#include <cstring>

#include "memory_image_steps.h"

namespace {

bool commit(void* address, std::uint32_t size, ImageServices& services) {
    return services.allocate(address, size, pe::kMemCommit, pe::kPageReadWrite) != nullptr;
}

}  // namespace

ImageHeaders loadedHeaders(const MemoryImage& image) {
    // The copy's headers are the ones readImageLayout accepted.
    const auto* nt = static_cast<const std::uint8_t*>(image.headers);
    pe::FileHeader file;
    std::memcpy(&file, nt + 4, sizeof file);
    return *readOptionalHeader(nt + pe::kSectionTableBase, file.SizeOfOptionalHeader, file.Machine);
}

bool mapSections(MemoryImage& image, const ImageLayout& layout, const std::uint8_t* data,
                 ImageServices& services) {
    std::uint8_t* base = imageBytes(image);
    if (!commit(base, layout.sizeOfImage, services) ||
        !commit(base, layout.sizeOfHeaders, services)) {
        return false;
    }
    std::memcpy(base, data, layout.sizeOfHeaders);
    image.headers = base + layout.ntOffset;
    std::uint8_t* optional = base + layout.ntOffset + pe::kSectionTableBase;
    if (layout.wide) {
        const std::uint64_t newBase = imageAddress(base);
        std::memcpy(optional + offsetof(pe::OptionalHeader64, ImageBase), &newBase, sizeof newBase);
    } else {
        const std::uint32_t newBase = imageAddress32(base);
        std::memcpy(optional + offsetof(pe::OptionalHeader32, ImageBase), &newBase, sizeof newBase);
    }

    for (std::uint32_t index = 0; index < layout.sectionCount; ++index) {
        std::uint8_t* header = base + layout.sectionTableOffset + index * sizeof(pe::SectionHeader);
        pe::SectionHeader section;
        std::memcpy(&section, header, sizeof section);
        std::uint8_t* address = base + section.VirtualAddress;
        if (section.SizeOfRawData == 0) {
            if (!commit(address, layout.sectionAlignment, services)) {
                return false;
            }
            std::memset(address, 0, layout.sectionAlignment);
        } else {
            if (!commit(address, section.SizeOfRawData, services)) {
                return false;
            }
            std::memcpy(address, data + section.PointerToRawData, section.SizeOfRawData);
        }
        const std::uint32_t recorded = imageAddress32(address);
        std::memcpy(header + offsetof(pe::SectionHeader, Misc), &recorded, sizeof recorded);
    }
    return true;
}
