#include "mapped_image_services.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/module_loader/pe_image.h"

namespace {

constexpr std::uintptr_t kPage = pe::kPageSize;
constexpr std::uintptr_t kGranularity = 0x10000;  // where reservations start
// A 32-bit process without large-address awareness ends here; a 64-bit one
// where the host's user space does.
constexpr std::uintptr_t kAddressSpaceEnd32 = 0x80000000;
constexpr std::uintptr_t kAddressSpaceEnd64 = std::uintptr_t{1} << 47;

std::uintptr_t pageDown(std::uintptr_t address) {
    return address & ~(kPage - 1);
}

std::uintptr_t pageUp(std::uintptr_t address) {
    return pageDown(address + kPage - 1);
}

std::uintptr_t numeric(const void* address) {
    return reinterpret_cast<std::uintptr_t>(address);
}

// The host keeps every page readable, so that tests can check what the
// loader left there; write access follows the protection.
int hostProtection(std::uint32_t protection) {
    switch (protection & 0xFF) {
        case pe::kPageReadWrite:
        case pe::kPageWriteCopy:
        case pe::kPageExecuteReadWrite:
        case pe::kPageExecuteWriteCopy:
            return PROT_READ | PROT_WRITE;
        default:
            return PROT_READ;
    }
}

}  // namespace

std::string hexText(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

ImageServices& imageServices() {
    static MappedImageServices services(pe::kMachineI386);
    return services;
}

MappedImageServices::MappedImageServices(std::uint16_t machine)
    : machine_(machine),
      addressSpaceEnd_(machine == pe::kMachineI386 ? kAddressSpaceEnd32 : kAddressSpaceEnd64) {}

MappedImageServices::~MappedImageServices() {
    for (const auto& [start, end] : reserved_) {
        munmap(reinterpret_cast<void*>(start), end - start);
    }
    for (const auto& [address, size] : taken_) {
        munmap(address, size);
    }
    for (const auto& block : blocks_) {
        std::free(block.first);
    }
}

bool MappedImageServices::record(const std::string& name, const std::string& arguments) {
    const std::string line = name + " " + arguments;
    calls.push_back(line);
    return !failing.count(name) && !failing.count(line);
}

void* MappedImageServices::allocate(void* address, std::uint32_t size, std::uint32_t type,
                                    std::uint32_t protection) {
    if (!record("VirtualAlloc", hexText(numeric(address)) + " " + hexText(size) + " " +
                                    hexText(type) + " " + hexText(protection)) ||
        size == 0) {
        return nullptr;
    }
    if (type == pe::kMemReserve) {
        return reserve(numeric(address), size);
    }
    return type == pe::kMemCommit ? commit(numeric(address), size, protection) : nullptr;
}

void* MappedImageServices::reserve(std::uintptr_t address, std::uint32_t size) {
    if (size > largestReservation) {
        return nullptr;
    }
    const std::uintptr_t start = address & ~(kGranularity - 1);
    const std::uintptr_t length = pageUp(address + size) - start;
    const int flags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE;
    void* mapped;
    if (address) {
        // The first 64 KiB are never handed out, as on Windows (and page 0 could
        // be mapped here when running as root, returning null as success).
        if (start < kGranularity || start + length > addressSpaceEnd_) {
            return nullptr;
        }
        mapped = mmap(reinterpret_cast<void*>(start), length, PROT_NONE,
                      flags | MAP_FIXED_NOREPLACE, -1, 0);
    } else {
        mapped = mmap(nullptr, length, PROT_NONE,
                      flags | (machine_ == pe::kMachineI386 ? MAP_32BIT : 0), -1, 0);
    }
    if (mapped == MAP_FAILED) {
        return nullptr;
    }
    if ((address && numeric(mapped) != start) || numeric(mapped) + length > addressSpaceEnd_) {
        munmap(mapped, length);
        return nullptr;
    }
    reserved_[numeric(mapped)] = numeric(mapped) + length;
    return mapped;
}

void* MappedImageServices::commit(std::uintptr_t address, std::uint32_t size,
                                  std::uint32_t protection) {
    const std::uintptr_t start = pageDown(address);
    const std::uintptr_t end = pageUp(address + size);
    if (rangeHolding(start, end) == reserved_.end() ||
        mprotect(reinterpret_cast<void*>(start), end - start, hostProtection(protection)) != 0) {
        return nullptr;
    }
    for (std::uintptr_t page = start; page < end; page += kPage) {
        pages_[page] = protection;
    }
    return reinterpret_cast<void*>(start);
}

bool MappedImageServices::free(void* address, std::uint32_t size, std::uint32_t type) {
    if (!record("VirtualFree",
                hexText(numeric(address)) + " " + hexText(size) + " " + hexText(type))) {
        return false;
    }
    std::uintptr_t start = numeric(address);
    std::uintptr_t end;
    if (type == pe::kMemRelease) {
        const auto range = reserved_.find(start);
        if (size != 0 || range == reserved_.end()) {
            return false;
        }
        end = range->second;
        munmap(address, end - start);
        reserved_.erase(range);
    } else if (type == pe::kMemDecommit && size > 0) {
        start = pageDown(start);
        end = pageUp(numeric(address) + size);
        if (rangeHolding(start, end) == reserved_.end()) {
            return false;
        }
        void* pages = reinterpret_cast<void*>(start);
        madvise(pages, end - start, MADV_DONTNEED);
        mprotect(pages, end - start, PROT_NONE);
    } else {
        return false;
    }
    pages_.erase(pages_.lower_bound(start), pages_.lower_bound(end));
    return true;
}

bool MappedImageServices::protect(void* address, std::uint32_t size, std::uint32_t protection) {
    const std::uintptr_t start = pageDown(numeric(address));
    const std::uintptr_t end = pageUp(numeric(address) + size);
    if (!record("VirtualProtect",
                hexText(numeric(address)) + " " + hexText(size) + " " + hexText(protection)) ||
        size == 0 || !allCommitted(start, end)) {
        return false;
    }
    mprotect(reinterpret_cast<void*>(start), end - start, hostProtection(protection));
    for (std::uintptr_t page = start; page < end; page += kPage) {
        pages_[page] = protection;
    }
    return true;
}

void* MappedImageServices::loadLibrary(const char* name) {
    const auto library = libraries.find(name);
    if (!record("LoadLibraryA", name) || library == libraries.end()) {
        return nullptr;
    }
    open_.insert(library->second.handle);
    return reinterpret_cast<void*>(library->second.handle);
}

bool MappedImageServices::freeLibrary(void* module) {
    const auto handle = open_.find(numeric(module));
    if (!record("FreeLibrary", hexText(numeric(module))) || handle == open_.end()) {
        return false;
    }
    open_.erase(handle);
    return true;
}

void* MappedImageServices::procAddress(void* module, const char* name) {
    const bool byOrdinal = numeric(name) < 0x10000;
    if (!record("GetProcAddress", hexText(numeric(module)) + " " +
                                      (byOrdinal ? "#" + std::to_string(numeric(name)) : name))) {
        return nullptr;
    }
    for (const auto& [libraryName, library] : libraries) {
        if (library.handle != numeric(module)) {
            continue;
        }
        if (byOrdinal) {
            const auto found = library.ordinals.find(static_cast<std::uint16_t>(numeric(name)));
            return found == library.ordinals.end() ? nullptr
                                                   : reinterpret_cast<void*>(found->second);
        }
        const auto found = library.functions.find(name);
        return found == library.functions.end() ? nullptr : reinterpret_cast<void*>(found->second);
    }
    return nullptr;
}

bool MappedImageServices::isBadReadPtr(const void* address, std::uint32_t size) {
    if (recordReadChecks) {
        record("IsBadReadPtr", hexText(numeric(address)) + " " + hexText(size));
    }
    if (size == 0) {
        return false;
    }
    const std::uintptr_t start = numeric(address);
    const std::uintptr_t end = start + size;
    for (const auto& [from, count] : unreadable) {
        if (start < from + count && from < end) {
            return true;
        }
    }
    for (std::uintptr_t page = pageDown(start); page < end; page += kPage) {
        const auto found = pages_.find(page);
        if (found == pages_.end() || (found->second & 0xFF) == pe::kPageNoAccess) {
            return true;
        }
    }
    return false;
}

void* MappedImageServices::heapAlloc(std::uint32_t flags, std::uint32_t size) {
    if (!record("HeapAlloc", hexText(flags) + " " + hexText(size))) {
        return nullptr;
    }
    void* block = std::malloc(std::max<std::size_t>(size, 1));
    if (flags & pe::kHeapZeroMemory) {
        std::memset(block, 0, size);
    }
    blocks_[block] = size;
    return block;
}

void* MappedImageServices::heapReAlloc(std::uint32_t flags, void* block, std::uint32_t size) {
    const auto found = blocks_.find(block);
    if (!record("HeapReAlloc",
                hexText(flags) + " " + hexText(numeric(block)) + " " + hexText(size)) ||
        found == blocks_.end()) {
        return nullptr;
    }
    const std::size_t oldSize = found->second;
    blocks_.erase(found);
    auto* grown = static_cast<std::uint8_t*>(std::realloc(block, std::max<std::size_t>(size, 1)));
    if ((flags & pe::kHeapZeroMemory) && size > oldSize) {
        std::memset(grown + oldSize, 0, size - oldSize);
    }
    blocks_[grown] = size;
    return grown;
}

bool MappedImageServices::heapFree(void* block) {
    const auto found = blocks_.find(block);
    if (!record("HeapFree", hexText(numeric(block))) || found == blocks_.end()) {
        return false;
    }
    blocks_.erase(found);
    std::free(block);
    return true;
}

bool MappedImageServices::addFunctionTable(void* table, std::uint32_t count, void* base) {
    return record("RtlAddFunctionTable",
                  hexText(numeric(table)) + " " + hexText(count) + " " + hexText(numeric(base)));
}

bool MappedImageServices::deleteFunctionTable(void* table) {
    return record("RtlDeleteFunctionTable", hexText(numeric(table)));
}

std::int32_t MappedImageServices::callEntry(void* entry, void* base, std::uint32_t reason) {
    record("DllEntry",
           hexText(numeric(entry)) + " " + hexText(numeric(base)) + " " + hexText(reason));
    return entryResult;
}

bool MappedImageServices::takeRange(std::uintptr_t address, std::uint32_t size) {
    void* mapped = mmap(reinterpret_cast<void*>(address), size, PROT_NONE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED_NOREPLACE, -1, 0);
    if (mapped == MAP_FAILED) {
        return false;
    }
    taken_.emplace_back(mapped, size);
    return numeric(mapped) == address;
}

std::uint32_t MappedImageServices::protectionAt(const void* address) const {
    const auto found = pages_.find(pageDown(numeric(address)));
    return found == pages_.end() ? 0 : found->second;
}

std::map<std::uintptr_t, std::uintptr_t>::const_iterator MappedImageServices::rangeHolding(
    std::uintptr_t start, std::uintptr_t end) const {
    auto range = reserved_.upper_bound(start);
    if (range == reserved_.begin()) {
        return reserved_.end();
    }
    --range;
    return end <= range->second ? range : reserved_.end();
}

bool MappedImageServices::allCommitted(std::uintptr_t start, std::uintptr_t end) const {
    for (std::uintptr_t page = start; page < end; page += kPage) {
        if (!pages_.count(page)) {
            return false;
        }
    }
    return true;
}
