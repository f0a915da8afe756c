// Memory the program cannot get ends it as a fatal error naming the size,
// never as an exception: the program's code catches none.
#include <cstdlib>
#include <new>
#include <string>

#include "common/fatal_error.h"

namespace {

[[noreturn]] void raiseAllocationFailure(std::size_t size) {
    raiseFatalError(std::nullopt, "分配 " + std::to_string(size) + " 字节内存失败!");
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) {
        return block;
    }
    raiseAllocationFailure(size);
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
