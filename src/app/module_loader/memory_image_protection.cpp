// Final section protections: each section gets the page protection that its
// execute, read and write characteristics name (uncached when it asks for
// it), or, when discardable, is decommitted. Failures of the protection
// calls are ignored. An image whose sections share pages (a section
// alignment below the page size) keeps one protection for all of it,
// execute, read and write, and gives nothing back: no section's protection
// may take another's access away.
#include <cstring>

#include "memory_image_steps.h"

namespace {

// Indexed by execute, read, write (bits 2, 1, 0).
constexpr std::uint32_t kProtections[8] = {
    pe::kPageNoAccess, pe::kPageWriteCopy,        pe::kPageReadOnly,    pe::kPageReadWrite,
    pe::kPageExecute,  pe::kPageExecuteWriteCopy, pe::kPageExecuteRead, pe::kPageExecuteReadWrite,
};

std::uint32_t protectionFor(std::uint32_t characteristics) {
    const int index = (characteristics & pe::kScnExecute ? 4 : 0) |
                      (characteristics & pe::kScnRead ? 2 : 0) |
                      (characteristics & pe::kScnWrite ? 1 : 0);
    std::uint32_t protection = kProtections[index];
    if (characteristics & pe::kScnNotCached) {
        protection |= pe::kPageNoCache;
    }
    return protection;
}

// How much of a kept section finaliseSections protects: its raw data, or for a
// section without any, the image-wide size of its kind of data. That size
// counts every section of the kind, so it may reach past the one alignment
// unit such a section is given, over the sections after it; then nothing of
// the section is protected.
std::uint32_t protectedSize(const pe::SectionHeader& section, const ImageHeaders& headers) {
    if (section.SizeOfRawData > 0) {
        return section.SizeOfRawData;
    }
    std::uint32_t size = 0;
    if (section.Characteristics & pe::kScnInitializedData) {
        size = headers.sizeOfInitializedData;
    } else if (section.Characteristics & pe::kScnUninitializedData) {
        size = headers.sizeOfUninitializedData;
    }
    return size <= headers.sectionAlignment ? size : 0;
}

pe::SectionHeader sectionAt(const std::uint8_t* base, const ImageLayout& layout,
                            std::uint32_t index) {
    pe::SectionHeader section;
    std::memcpy(&section, base + layout.sectionTableOffset + index * sizeof section,
                sizeof section);
    return section;
}

}  // namespace

void finaliseSections(const MemoryImage& image, const ImageLayout& layout,
                      ImageServices& services) {
    const ImageHeaders headers = loadedHeaders(image);
    std::uint8_t* base = imageBytes(image);
    if (sharesPages(headers)) {
        services.protect(base, layout.sizeOfImage, pe::kPageExecuteReadWrite);
        return;
    }
    for (std::uint32_t index = 0; index < layout.sectionCount; ++index) {
        const pe::SectionHeader section = sectionAt(base, layout, index);
        const std::uint32_t offset = section.Misc - imageAddress32(base);
        void* address = base + offset;
        if (section.Characteristics & pe::kScnDiscardable) {
            // With size 0 the system would decommit to the end of the range.
            if (section.SizeOfRawData > 0) {
                services.free(address, section.SizeOfRawData, pe::kMemDecommit);
            }
            continue;
        }
        // Each section lies inside the image (readImageLayout), and so does
        // what is protected of it.
        const std::uint32_t size = protectedSize(section, headers);
        if (size > 0) {
            services.protect(address, size, protectionFor(section.Characteristics));
        }
    }
}

bool staysReadable(const MemoryImage& image, const ImageLayout& layout, std::uint32_t offset,
                   std::uint32_t size) {
    const ImageHeaders headers = loadedHeaders(image);
    if (sharesPages(headers)) {
        return true;
    }
    const std::uint8_t* base = imageBytes(image);
    for (std::uint32_t index = 0; index < layout.sectionCount; ++index) {
        const pe::SectionHeader section = sectionAt(base, layout, index);
        const std::uint32_t start = section.Misc - imageAddress32(base);
        const std::uint32_t extent = protectedSize(section, headers);
        if ((section.Characteristics & pe::kScnRead) &&
            !(section.Characteristics & pe::kScnDiscardable) && offset >= start && size <= extent &&
            offset - start <= extent - size) {
            return true;
        }
    }
    return false;
}
