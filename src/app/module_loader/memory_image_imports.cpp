// Import resolution: each library named by a readable import descriptor is
// loaded and kept in the record, and each function it lists is looked up by
// name or ordinal and stored in its slot. The lookup entries and slots are
// 32-bit in a PE32 image and 64-bit in a PE32+ image, with the ordinal flag
// in the top bit. The descriptor list ends at a descriptor with Name 0, at
// one that cannot be read, or at the end of the image; a list whose first
// descriptor cannot be read fails the load, as the system's loader faults on
// it: the image's code would call slots nobody filled.
#include <cstring>

#include "memory_image_steps.h"

bool keepModule(MemoryImage& image, void* module, ImageServices& services) {
    const std::uint32_t size = static_cast<std::uint32_t>((image.moduleCount + 1) * sizeof(void*));
    void* grown = services.heapReAlloc(pe::kHeapZeroMemory, image.modules, size);
    if (!grown) {
        return false;
    }
    image.modules = static_cast<void**>(grown);
    image.modules[image.moduleCount++] = module;
    return true;
}

namespace {

// Fills the function slots of one descriptor from its lookup list; Entry is
// the image's entry and slot word.
template <class Entry>
bool resolveFunctions(const MemoryImage& image, const ImageLayout& layout,
                      const pe::ImportDescriptor& descriptor, void* module,
                      ImageServices& services) {
    constexpr Entry kByOrdinal =
        sizeof(Entry) == 8 ? pe::kImportByOrdinal64 : Entry{pe::kImportByOrdinal};
    std::uint8_t* base = imageBytes(image);
    const std::uint64_t lookup =
        descriptor.OriginalFirstThunk ? descriptor.OriginalFirstThunk : descriptor.FirstThunk;
    for (std::uint64_t index = 0;; ++index) {
        Entry entry;
        if (!readInside(base, layout.sizeOfImage, lookup + index * sizeof entry, entry)) {
            return false;
        }
        if (entry == 0) {
            return true;
        }
        const std::uint64_t slot = descriptor.FirstThunk + index * sizeof entry;
        if (!writableInside(layout, slot, sizeof entry)) {
            return false;
        }
        const char* name;
        if (entry & kByOrdinal) {
            name = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(entry & 0xFFFF));
        } else if (textInside(base, layout.sizeOfImage, std::uint64_t{entry} + 2)) {
            name = reinterpret_cast<const char*>(base + entry + 2);
        } else {
            return false;
        }
        void* function = services.procAddress(module, name);
        if (!function) {
            return false;
        }
        const auto address = static_cast<Entry>(imageAddress(function));
        std::memcpy(base + slot, &address, sizeof address);
    }
}

}  // namespace

bool resolveImports(MemoryImage& image, const ImageLayout& layout, ImageServices& services) {
    const pe::DataDirectory directory = loadedHeaders(image).directories[pe::kImportDirectory];
    if (directory.Size == 0) {
        return true;
    }
    std::uint8_t* base = imageBytes(image);
    pe::ImportDescriptor descriptor;
    for (std::uint64_t offset = directory.VirtualAddress;; offset += sizeof descriptor) {
        if (!fitsInside(offset, sizeof descriptor, layout.sizeOfImage) ||
            services.isBadReadPtr(base + offset, sizeof descriptor)) {
            return offset != directory.VirtualAddress;
        }
        std::memcpy(&descriptor, base + offset, sizeof descriptor);
        if (descriptor.Name == 0) {
            return true;
        }
        if (!textInside(base, layout.sizeOfImage, descriptor.Name)) {
            return false;
        }
        void* module = services.loadLibrary(reinterpret_cast<const char*>(base + descriptor.Name));
        if (!module) {
            return false;
        }
        // A library the record cannot hold is freed here; freeImage would not
        // know of it.
        if (!keepModule(image, module, services)) {
            services.freeLibrary(module);
            return false;
        }
        if (!(layout.wide
                  ? resolveFunctions<std::uint64_t>(image, layout, descriptor, module, services)
                  : resolveFunctions<std::uint32_t>(image, layout, descriptor, module, services))) {
            return false;
        }
    }
}
