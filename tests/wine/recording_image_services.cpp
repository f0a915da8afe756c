#include "recording_image_services.h"

#include <windows.h>

int RecordingImageServices::find(const ServiceCall& call) const {
    for (std::size_t i = 0; i < calls_.size(); ++i) {
        if (calls_[i].kind == call.kind && calls_[i].address == call.address &&
            calls_[i].value == call.value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int RecordingImageServices::count(ServiceCall::Kind kind) const {
    int result = 0;
    for (const ServiceCall& call : calls_) {
        result += call.kind == kind ? 1 : 0;
    }
    return result;
}

void* RecordingImageServices::allocate(void* address, std::uint32_t size, std::uint32_t type,
                                       std::uint32_t protection) {
    return system_.allocate(address, size, type, protection);
}

bool RecordingImageServices::free(void* address, std::uint32_t size, std::uint32_t type) {
    calls_.push_back(
        {type == MEM_RELEASE ? ServiceCall::kRelease : ServiceCall::kDecommit, address, size});
    return system_.free(address, size, type);
}

bool RecordingImageServices::protect(void* address, std::uint32_t size, std::uint32_t protection) {
    return system_.protect(address, size, protection);
}

void* RecordingImageServices::loadLibrary(const char* name) {
    return system_.loadLibrary(name);
}

bool RecordingImageServices::freeLibrary(void* module) {
    calls_.push_back({ServiceCall::kFreeLibrary, module, 0});
    return system_.freeLibrary(module);
}

void* RecordingImageServices::procAddress(void* module, const char* name) {
    return system_.procAddress(module, name);
}

bool RecordingImageServices::isBadReadPtr(const void* address, std::uint32_t size) {
    return system_.isBadReadPtr(address, size);
}

void* RecordingImageServices::heapAlloc(std::uint32_t flags, std::uint32_t size) {
    return system_.heapAlloc(flags, size);
}

void* RecordingImageServices::heapReAlloc(std::uint32_t flags, void* block, std::uint32_t size) {
    return system_.heapReAlloc(flags, block, size);
}

bool RecordingImageServices::heapFree(void* block) {
    return system_.heapFree(block);
}

bool RecordingImageServices::addFunctionTable(void* table, std::uint32_t count, void* base) {
    calls_.push_back({ServiceCall::kAddTable, table, count});
    return system_.addFunctionTable(table, count, base);
}

bool RecordingImageServices::deleteFunctionTable(void* table) {
    calls_.push_back({ServiceCall::kDeleteTable, table, 0});
    return system_.deleteFunctionTable(table);
}

std::int32_t RecordingImageServices::callEntry(void* entry, void* base, std::uint32_t reason) {
    calls_.push_back({ServiceCall::kEntry, base, reason});
    return system_.callEntry(entry, base, reason);
}
