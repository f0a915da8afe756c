#pragma once
// A loaded image owned by a test: freed with the process's own services when
// the test is done with it.

#include <memory>

#include "app/module_loader/memory_image.h"

struct MemoryImageRelease {
    void operator()(MemoryImage* image) const { freeImage(image); }
};
using MemoryImageOwner = std::unique_ptr<MemoryImage, MemoryImageRelease>;
