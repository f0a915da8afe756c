#pragma once
// The memory and library services the in-memory module loader stands on. On
// Windows they are the system kernel's own functions, looked up by name once
// for the life of the process; a host build supplies a substitute, so that
// the loader's parsing, mapping, relocation, imports and protections run
// there too. Sizes are those of an image, which never reaches 4 GiB.

#include <cstdint>

class ImageServices {
  public:
    virtual ~ImageServices() = default;

    // The machine whose code runs here (pe::kMachineI386 or
    // pe::kMachineAmd64): the only images the loader maps.
    virtual std::uint16_t machine() const = 0;

    // VirtualAlloc: reserve (MEM_RESERVE) or commit (MEM_COMMIT) `size` bytes
    // at `address` (null: anywhere) with `protection`; null on failure.
    virtual void* allocate(void* address, std::uint32_t size, std::uint32_t type,
                           std::uint32_t protection) = 0;
    // VirtualFree with MEM_DECOMMIT or MEM_RELEASE.
    virtual bool free(void* address, std::uint32_t size, std::uint32_t type) = 0;
    // VirtualProtect; the previous protection is not wanted.
    virtual bool protect(void* address, std::uint32_t size, std::uint32_t protection) = 0;

    virtual void* loadLibrary(const char* name) = 0;
    virtual bool freeLibrary(void* module) = 0;
    // GetProcAddress; `name` is a text or, below 0x10000, an ordinal.
    virtual void* procAddress(void* module, const char* name) = 0;
    virtual bool isBadReadPtr(const void* address, std::uint32_t size) = 0;

    // The process heap: GetProcessHeap with HeapAlloc, HeapReAlloc, HeapFree.
    virtual void* heapAlloc(std::uint32_t flags, std::uint32_t size) = 0;
    virtual void* heapReAlloc(std::uint32_t flags, void* block, std::uint32_t size) = 0;
    virtual bool heapFree(void* block) = 0;

    // RtlAddFunctionTable and RtlDeleteFunctionTable: the system unwinds
    // through a PE32+ image's code, for exceptions and stack walks, with the
    // `count` entries of its exception table at `table`.
    virtual bool addFunctionTable(void* table, std::uint32_t count, void* base) = 0;
    virtual bool deleteFunctionTable(void* table) = 0;

    // Runs an image's entry routine (BOOL WINAPI (HINSTANCE, DWORD, LPVOID))
    // with `base`, `reason` and null; returns its result.
    virtual std::int32_t callEntry(void* entry, void* base, std::uint32_t reason) = 0;
};

// Platform edge: the services of this process.
ImageServices& imageServices();
