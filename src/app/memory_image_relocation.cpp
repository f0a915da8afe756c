// Base relocation: when the image could not be mapped at its preferred base,
// every HIGHLOW target named by the relocation blocks is moved by the
// difference. The walk stays inside the relocation directory and ends at a
// block whose VirtualAddress is 0.
#include <cstring>

#include "memory_image_steps.h"

namespace {

// Applies one block's entries; false when one targets bytes outside the
// image's sections.
bool relocateBlock(std::uint8_t* base, const ImageLayout& layout, std::uint64_t entriesOffset,
                   const pe::BaseRelocationBlock& block, std::uint32_t delta) {
    const std::uint32_t count = (block.SizeOfBlock - sizeof block) / 2;
    for (std::uint32_t index = 0; index < count; ++index) {
        std::uint16_t entry;
        std::memcpy(&entry, base + entriesOffset + index * 2, sizeof entry);
        if (entry >> 12 != pe::kRelocationHighLow) {
            continue;
        }
        const std::uint64_t target = std::uint64_t{block.VirtualAddress} + (entry & 0xFFF);
        std::uint32_t value;
        if (!writableInside(layout, target, sizeof value)) {
            return false;
        }
        std::memcpy(&value, base + target, sizeof value);
        value += delta;
        std::memcpy(base + target, &value, sizeof value);
    }
    return true;
}

}  // namespace

bool relocateImage(const MemoryImage& image, const ImageLayout& layout, std::uint32_t delta) {
    const pe::DataDirectory directory =
        loadedHeaders(image).OptionalHeader.DataDirectory[pe::kBaseRelocationDirectory];
    if (directory.Size == 0) {
        return true;
    }
    if (!fitsInside(directory.VirtualAddress, directory.Size, layout.sizeOfImage)) {
        return false;
    }
    std::uint8_t* base = imageBytes(image);
    const std::uint64_t end = std::uint64_t{directory.VirtualAddress} + directory.Size;
    std::uint64_t offset = directory.VirtualAddress;
    pe::BaseRelocationBlock block;
    while (readInside(base, end, offset, block) && block.VirtualAddress > 0) {
        // A block must hold its own header and whole entries, and end inside
        // the directory; anything else would walk in place or out of it.
        if (block.SizeOfBlock < sizeof block || block.SizeOfBlock % 2 != 0 ||
            !fitsInside(offset, block.SizeOfBlock, end) ||
            !relocateBlock(base, layout, offset + sizeof block, block, delta)) {
            return false;
        }
        offset += block.SizeOfBlock;
    }
    return true;
}
