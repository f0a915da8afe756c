#include "address_range.h"

#include <windows.h>

bool rangeIsFree(void* address, std::size_t size) {
    void* reserved = VirtualAlloc(address, size, MEM_RESERVE, PAGE_NOACCESS);
    if (reserved) {
        VirtualFree(reserved, 0, MEM_RELEASE);
    }
    return reserved == address;
}
