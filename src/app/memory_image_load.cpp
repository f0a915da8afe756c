// loadImageFromMemory: checks the headers, reserves the image's range (at
// its preferred base when free), allocates the record, maps and relocates the
// image, resolves its imports, sets protections and runs the attach
// notification. Any failure after the record exists is undone by freeImage.
#include <new>

#include "memory_image_steps.h"

namespace {

// The image's range at its preferred base, else anywhere; null when neither
// is free or the range does not lie in 32-bit address space.
void* reserveRange(const ImageLayout& layout, ImageServices& services) {
    void* preferred = reinterpret_cast<void*>(std::uintptr_t{layout.preferredBase});
    void* base =
        services.allocate(preferred, layout.sizeOfImage, pe::kMemReserve, pe::kPageReadWrite);
    if (!base) {
        base = services.allocate(nullptr, layout.sizeOfImage, pe::kMemReserve, pe::kPageReadWrite);
    }
    if (base && std::uint64_t{reinterpret_cast<std::uintptr_t>(base)} + layout.sizeOfImage >
                    std::uint64_t{1} << 32) {
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
    const std::uint32_t delta = imageAddress(image.codeBase) - layout.preferredBase;
    if (delta != 0 && !relocateImage(image, layout, delta)) {
        return false;
    }
    if (!resolveImports(image, layout, services)) {
        return false;
    }
    finaliseSections(image, layout, services);
    return runAttach(image, layout, services);
}

}  // namespace

MemoryImage* loadImageFromMemory(const std::uint8_t* data, std::size_t length,
                                 ImageServices& services) {
    const std::optional<ImageLayout> layout = readImageLayout(data, length);
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
    MemoryImage* image = new (record) MemoryImage{nullptr, base, nullptr, 0, 0};
    image->modules = static_cast<void**>(services.heapAlloc(pe::kHeapZeroMemory, sizeof(void*)));
    if (!image->modules || !mapImage(*image, *layout, data, services)) {
        freeImage(image, services);
        return nullptr;
    }
    return image;
}
