#pragma once
// Whether an address range is free for the taking. Wine reports the unused
// parts of the areas it keeps for itself as MEM_RESERVE, so VirtualQuery's
// state alone does not say whether a range the loader gave back is free.

#include <cstddef>

// True when [address, address + size) can be reserved afresh (it is given
// back at once); `address` must be a multiple of 64 KiB.
bool rangeIsFree(void* address, std::size_t size);
