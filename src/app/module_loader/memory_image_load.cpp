// loadImageFromMemory: checks the headers, reserves the image's range (at
// its preferred base when free), allocates the record, maps and relocates the
// image, resolves its imports, sets protections, registers a PE32+ image's
// exception table and runs the attach notification. Any failure after the
// record exists is undone by freeImage.
#include <new>
#include <utility>

#include "memory_image_steps.h"

namespace {

// The image's range at its preferred base, else anywhere unless its
// relocations were stripped (the system maps such an image nowhere else);
// null when neither is free, or when a PE32 image's range does not lie in
// 32-bit address space.
void* reserveRange(const ImageLayout& layout, ImageServices& services) {
    void* base = nullptr;
    if (std::in_range<std::uintptr_t>(layout.imageBase)) {
        void* preferred = reinterpret_cast<void*>(static_cast<std::uintptr_t>(layout.imageBase));
        base =
            services.allocate(preferred, layout.sizeOfImage, pe::kMemReserve, pe::kPageReadWrite);
    }
    if (!base && !layout.relocationsStripped) {
        base = services.allocate(nullptr, layout.sizeOfImage, pe::kMemReserve, pe::kPageReadWrite);
    }
    if (base && !layout.wide && imageAddress(base) + layout.sizeOfImage > std::uint64_t{1} << 32) {
        services.free(base, 0, pe::kMemRelease);
        return nullptr;
    }
    return base;
}

bool runAttach(MemoryImage& image, const ImageLayout& layout, ImageServices& services) {
    if (layout.entryPoint == 0) {
        return true;
    }
    if (services.callEntry(imageBytes(image) + layout.entryPoint, image.codeBase,
                           pe::kDllProcessAttach) == 0) {
        return false;
    }
    image.initialized = 1;
    return true;
}

bool mapImage(MemoryImage& image, const ImageLayout& layout, const std::uint8_t* data,
              ImageServices& services) {
    if (!mapSections(image, layout, data, services)) {
        return false;
    }
    const std::uint64_t delta = imageAddress(image.codeBase) - layout.imageBase;
    if (delta != 0 && !relocateImage(image, layout, delta)) {
        return false;
    }
    if (!resolveImports(image, layout, services)) {
        return false;
    }
    finaliseSections(image, layout, services);
    return registerExceptionTable(image, layout, services) && runAttach(image, layout, services);
}

}  // namespace

MemoryImage* loadImageFromMemory(const std::uint8_t* data, std::size_t length,
                                 ImageServices& services) {
    const std::optional<ImageLayout> layout = readImageLayout(data, length, services.machine());
    if (!layout) {
        return nullptr;
    }
    void* base = reserveRange(*layout, services);
    if (!base) {
        return nullptr;
    }
    void* record = services.heapAlloc(0, sizeof(MemoryImage));
    if (!record) {
        services.free(base, 0, pe::kMemRelease);
        return nullptr;
    }
    MemoryImage* image = new (record) MemoryImage{nullptr, base, nullptr, 0, 0, nullptr};
    image->modules = static_cast<void**>(services.heapAlloc(pe::kHeapZeroMemory, sizeof(void*)));
    if (!image->modules || !mapImage(*image, *layout, data, services)) {
        freeImage(image, services);
        return nullptr;
    }
    return image;
}
