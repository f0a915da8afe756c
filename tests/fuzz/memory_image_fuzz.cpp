// libFuzzer target: any bytes through loadImageFromMemory against mapped host
// memory and the sample's fake libraries, once as a 32-bit and once as a
// 64-bit process would load them; a loaded image is searched for exports
// (forwarded ones too) and freed. Whatever the bytes, nothing may be read
// outside them and nothing may be left behind. Images based at either
// sample's base are relocated, because those ranges are kept taken.
#include <cstdint>
#include <cstdlib>

#include "app/module_loader/memory_image.h"
#include "app/module_loader/pe_image.h"
#include "support/mapped_image_services.h"
#include "support/sample_images.h"

namespace {

bool takePreferredBases() {
    static MappedImageServices holder{pe::kMachineI386};
    return holder.takeRange(sample::kImageBase, 0x100000) &&
           holder.takeRange(sample::kImageBase64, 0x100000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool taken = takePreferredBases();
    if (!taken) {
        std::abort();
    }
    for (std::uint16_t machine : {pe::kMachineI386, pe::kMachineAmd64}) {
        MappedImageServices services{machine};
        // Keeps each run small; SizeOfImage is the input's own choice.
        services.largestReservation = 0x100000;
        services.recordReadChecks = false;
        sample::addLibraries(services);
        if (MemoryImage* image = loadImageFromMemory(data, size, services)) {
            for (const char* name :
                 {"SkinStart", "skinstart", "SkinStop", "SkinTick", "SkinFive", "SkinGone", ""}) {
                findExport(image, name, services);
            }
            freeImage(image, services);
        }
        if (services.reservedRanges() != 0 || services.heapBlocks() != 0 ||
            !services.openLibraries().empty()) {
            std::abort();
        }
    }
    return 0;
}
