#pragma once
// The process's own image services, with the calls that run an entry routine
// or give something back written down in order, so a test can see what the
// loader did on the real platform and when.

#include <cstdint>
#include <vector>

#include "app/module_loader/image_services.h"

struct ServiceCall {
    enum Kind { kEntry, kFreeLibrary, kDecommit, kRelease, kAddTable, kDeleteTable };
    Kind kind;
    void* address;        // the image base, library handle, range or exception table
    std::uint32_t value;  // the entry's reason; the size given to VirtualFree
};

class RecordingImageServices : public ImageServices {
  public:
    const std::vector<ServiceCall>& calls() const { return calls_; }
    // The position of the first call equal to `call`; -1 when there is none.
    int find(const ServiceCall& call) const;
    int count(ServiceCall::Kind kind) const;

    std::uint16_t machine() const override { return system_.machine(); }
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

  private:
    ImageServices& system_ = imageServices();
    std::vector<ServiceCall> calls_;
};
