#pragma once
// The host's stand-in for the kernel services the in-memory loader uses, as
// a 32-bit (i386) or a 64-bit (x86-64) process has them. Its address space is
// real: ranges are reserved with mmap, below 2 GiB for an i386 process (so
// that addresses fit a PE32 image's fields) and anywhere for an x86-64 one,
// and committed, protected, decommitted and released page by page.
// Libraries are fakes with made-up function addresses; the heap is malloc;
// the entry routine is not run but answered with a scripted result; exception
// tables are only recorded. Every call is recorded as a line of text, in order.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/module_loader/image_services.h"

class MappedImageServices : public ImageServices {
  public:
    struct FakeLibrary {
        std::uintptr_t handle = 0;
        std::map<std::string, std::uintptr_t> functions;  // by name
        std::map<std::uint16_t, std::uintptr_t> ordinals;
    };

    // A process of `machine` (pe::kMachineI386 or pe::kMachineAmd64).
    explicit MappedImageServices(std::uint16_t machine);
    // Unmaps every range still reserved or taken and frees the heap blocks
    // still allocated.
    ~MappedImageServices() override;
    MappedImageServices(const MappedImageServices&) = delete;
    MappedImageServices& operator=(const MappedImageServices&) = delete;

    std::uint16_t machine() const override { return machine_; }
    void* allocate(void* address, std::uint32_t size, std::uint32_t type,
                   std::uint32_t protection) override;
    bool free(void* address, std::uint32_t size, std::uint32_t type) override;
    bool protect(void* address, std::uint32_t size, std::uint32_t protection) override;
    void* loadLibrary(const char* name) override;
    bool freeLibrary(void* module) override;
    void* procAddress(void* module, const char* name) override;
    bool isBadReadPtr(const void* address, std::uint32_t size) override;
    void* heapAlloc(std::uint32_t flags, std::uint32_t size) override;
    void* heapReAlloc(std::uint32_t flags, void* block, std::uint32_t size) override;
    bool heapFree(void* block) override;
    bool addFunctionTable(void* table, std::uint32_t count, void* base) override;
    bool deleteFunctionTable(void* table) override;
    std::int32_t callEntry(void* entry, void* base, std::uint32_t reason) override;

    // Maps the range for the test itself, so that an image cannot be placed
    // there; false when it is not free.
    bool takeRange(std::uintptr_t address, std::uint32_t size);

    // The protection last given to the page holding `address`; 0 when the page
    // is not committed.
    std::uint32_t protectionAt(const void* address) const;
    std::size_t reservedRanges() const { return reserved_.size(); }
    std::size_t heapBlocks() const { return blocks_.size(); }
    // Library handles loaded and not yet freed, once per load.
    const std::multiset<std::uintptr_t>& openLibraries() const { return open_; }

    // Each call as "Name arg arg ...", numbers in hexadecimal ("0x1f").
    std::vector<std::string> calls;
    // Calls that fail, by name ("HeapReAlloc") or by whole line.
    std::set<std::string> failing;
    // LoadLibraryA finds these by the exact name it is given.
    std::map<std::string, FakeLibrary> libraries;
    // What the entry routine answers.
    std::int32_t entryResult = 1;
    // Reservations above this size fail, as they would in a 32-bit process
    // short of address space.
    std::uint32_t largestReservation = 0x10000000;
    // findExport asks IsBadReadPtr once per export name; the fuzzer leaves
    // those calls out of `calls` for speed.
    bool recordReadChecks = true;
    // Ranges (start, size) that IsBadReadPtr reports unreadable although
    // committed.
    std::vector<std::pair<std::uintptr_t, std::uint32_t>> unreadable;

  private:
    bool record(const std::string& name, const std::string& arguments);
    void* reserve(std::uintptr_t address, std::uint32_t size);
    void* commit(std::uintptr_t address, std::uint32_t size, std::uint32_t protection);
    // The reserved range holding all of [start, end), or reserved_.end().
    std::map<std::uintptr_t, std::uintptr_t>::const_iterator rangeHolding(std::uintptr_t start,
                                                                          std::uintptr_t end) const;
    bool allCommitted(std::uintptr_t start, std::uintptr_t end) const;

    std::uint16_t machine_;
    std::uintptr_t addressSpaceEnd_;
    std::map<std::uintptr_t, std::uintptr_t> reserved_;  // start -> end
    std::map<std::uintptr_t, std::uint32_t> pages_;      // committed page -> protection
    std::vector<std::pair<void*, std::size_t>> taken_;
    std::map<void*, std::size_t> blocks_;  // heap block -> size
    std::multiset<std::uintptr_t> open_;
};

// "0x" and the value in lower-case hexadecimal, as the calls are recorded.
std::string hexText(std::uint64_t value);
