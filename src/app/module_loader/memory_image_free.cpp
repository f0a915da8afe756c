// freeImage: detach notification, the exception table, the imported
// libraries, the range and the record, in that order.
#include "memory_image_steps.h"

namespace {

// A handle of -1 stands for no library and is not freed.
void* const kNoLibrary = reinterpret_cast<void*>(~std::uintptr_t{0});

}  // namespace

void freeImage(MemoryImage* image, ImageServices& services) {
    if (!image) {
        return;
    }
    if (image->initialized) {
        const std::uint32_t entry = loadedHeaders(*image).entryPoint;
        services.callEntry(imageBytes(*image) + entry, image->codeBase, pe::kDllProcessDetach);
        image->initialized = 0;
    }
    if (image->exceptionTable) {
        services.deleteFunctionTable(image->exceptionTable);
        image->exceptionTable = nullptr;
    }
    if (image->modules) {
        for (std::int32_t index = 0; index < image->moduleCount; ++index) {
            if (image->modules[index] != kNoLibrary) {
                services.freeLibrary(image->modules[index]);
            }
        }
        services.heapFree(image->modules);
    }
    if (image->codeBase) {
        services.free(image->codeBase, 0, pe::kMemRelease);
    }
    services.heapFree(image);
}
