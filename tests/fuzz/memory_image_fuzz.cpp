// libFuzzer target: any bytes through loadImageFromMemory against mapped host
// memory and the sample's fake libraries; a loaded image is searched for
// exports and freed. Whatever the bytes, nothing may be read outside them and
// nothing may be left behind. Images based at the sample's base are
// relocated, because that range is kept taken.
#include <cstdint>
#include <cstdlib>

#include "app/memory_image.h"
#include "support/mapped_image_services.h"
#include "support/sample_images.h"

namespace {

bool takePreferredBase() {
    static MappedImageServices holder;
    return holder.takeRange(sample::kImageBase, 0x100000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool taken = takePreferredBase();
    if (!taken) {
        std::abort();
    }
    MappedImageServices services;
    // Keeps each run small; SizeOfImage is the input's own choice.
    services.largestReservation = 0x100000;
    services.recordReadChecks = false;
    sample::addLibraries(services);
    if (MemoryImage* image = loadImageFromMemory(data, size, services)) {
        for (const char* name : {"SkinStart", "skinstart", "SkinStop", ""}) {
            findExport(image, name, services);
        }
        freeImage(image, services);
    }
    if (services.reservedRanges() != 0 || services.heapBlocks() != 0 ||
        !services.openLibraries().empty()) {
        std::abort();
    }
    return 0;
}
