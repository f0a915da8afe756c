// Base relocation: when the image could not be mapped at its preferred base,
// every target named by the relocation blocks is moved by the difference: a
// 32-bit (HIGHLOW) target in a PE32 image, a 64-bit (DIR64) one in a PE32+
// image; entries of other types are skipped. The walk stays inside the
// relocation directory and ends at a block whose VirtualAddress is 0.
#include <cstring>

#include "memory_image_steps.h"

namespace {

// Adds `delta` to the Word at `target`, modulo the Word's size; false when
// the Word does not lie inside the image's sections.
template <class Word>
bool moveTarget(std::uint8_t* base, const ImageLayout& layout, std::uint64_t target,
                std::uint64_t delta) {
    Word value;
    if (!writableInside(layout, target, sizeof value)) {
        return false;
    }
    std::memcpy(&value, base + target, sizeof value);
    value = static_cast<Word>(value + delta);
    std::memcpy(base + target, &value, sizeof value);
    return true;
}

// Applies one block's entries; false when one targets bytes outside the
// image's sections.
bool relocateBlock(std::uint8_t* base, const ImageLayout& layout, std::uint64_t entriesOffset,
                   const pe::BaseRelocationBlock& block, std::uint64_t delta) {
    const std::uint16_t type = layout.wide ? pe::kRelocationDir64 : pe::kRelocationHighLow;
    const std::uint32_t count = (block.SizeOfBlock - std::uint32_t{sizeof block}) / 2;
    for (std::uint32_t index = 0; index < count; ++index) {
        std::uint16_t entry;
        std::memcpy(&entry, base + entriesOffset + index * 2, sizeof entry);
        if (entry >> 12 != type) {
            continue;
        }
        const std::uint64_t target = std::uint64_t{block.VirtualAddress} + (entry & 0xFFF);
        if (!(layout.wide ? moveTarget<std::uint64_t>(base, layout, target, delta)
                          : moveTarget<std::uint32_t>(base, layout, target, delta))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool relocateImage(const MemoryImage& image, const ImageLayout& layout, std::uint64_t delta) {
    const pe::DataDirectory directory =
        loadedHeaders(image).directories[pe::kBaseRelocationDirectory];
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
