// The in-memory loader's services in this process: the kernel's own memory,
// library and heap functions, each looked up by name in the kernel module
// once and kept for the life of the process.
#include "app/module_loader/image_services.h"

#include <windows.h>

#include "app/module_loader/pe_image.h"

namespace {

HMODULE kernelModule() {
    static const HMODULE module = GetModuleHandleW(L"kernel32.dll");
    return module;
}

template <class Function>
Function* kernelFunction(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(kernelModule(), name)));
}

using EntryRoutine = BOOL WINAPI(HINSTANCE, DWORD, LPVOID);

class KernelImageServices : public ImageServices {
  public:
#if defined(_WIN64)
    std::uint16_t machine() const override {
        return pe::kMachineAmd64;
    }

    bool addFunctionTable(void* table, std::uint32_t count, void* base) override {
        return addFunctionTable_(static_cast<PRUNTIME_FUNCTION>(table), count,
                                 reinterpret_cast<DWORD64>(base));
    }

    bool deleteFunctionTable(void* table) override {
        return deleteFunctionTable_(static_cast<PRUNTIME_FUNCTION>(table));
    }
#else
    std::uint16_t machine() const override {
        return pe::kMachineI386;
    }

    // 32-bit code unwinds by frames; the loader registers no table here.
    bool addFunctionTable(void*, std::uint32_t, void*) override {
        return false;
    }
    bool deleteFunctionTable(void*) override {
        return false;
    }
#endif

    void* allocate(void* address, std::uint32_t size, std::uint32_t type,
                   std::uint32_t protection) override {
        return virtualAlloc_(address, size, type, protection);
    }

    bool free(void* address, std::uint32_t size, std::uint32_t type) override {
        return virtualFree_(address, size, type);
    }

    bool protect(void* address, std::uint32_t size, std::uint32_t protection) override {
        DWORD previous = 0;
        return virtualProtect_(address, size, protection, &previous);
    }

    // The image's own ANSI names, handed on byte for byte.
    void* loadLibrary(const char* name) override {
        return loadLibraryA_(name);
    }

    bool freeLibrary(void* module) override {
        return freeLibrary_(static_cast<HMODULE>(module));
    }

    void* procAddress(void* module, const char* name) override {
        return reinterpret_cast<void*>(getProcAddress_(static_cast<HMODULE>(module), name));
    }

    bool isBadReadPtr(const void* address, std::uint32_t size) override {
        return isBadReadPtr_(address, size);
    }

    void* heapAlloc(std::uint32_t flags, std::uint32_t size) override {
        return heapAlloc_(heap_, flags, size);
    }

    void* heapReAlloc(std::uint32_t flags, void* block, std::uint32_t size) override {
        return heapReAlloc_(heap_, flags, block, size);
    }

    bool heapFree(void* block) override {
        return heapFree_(heap_, 0, block);
    }

    std::int32_t callEntry(void* entry, void* base, std::uint32_t reason) override {
        return reinterpret_cast<EntryRoutine*>(entry)(static_cast<HINSTANCE>(base), reason,
                                                      nullptr);
    }

  private:
    decltype(VirtualAlloc)* virtualAlloc_ = kernelFunction<decltype(VirtualAlloc)>("VirtualAlloc");
    decltype(VirtualFree)* virtualFree_ = kernelFunction<decltype(VirtualFree)>("VirtualFree");
    decltype(VirtualProtect)* virtualProtect_ =
        kernelFunction<decltype(VirtualProtect)>("VirtualProtect");
    decltype(LoadLibraryA)* loadLibraryA_ = kernelFunction<decltype(LoadLibraryA)>("LoadLibraryA");
    decltype(FreeLibrary)* freeLibrary_ = kernelFunction<decltype(FreeLibrary)>("FreeLibrary");
    decltype(GetProcAddress)* getProcAddress_ =
        kernelFunction<decltype(GetProcAddress)>("GetProcAddress");
    decltype(IsBadReadPtr)* isBadReadPtr_ = kernelFunction<decltype(IsBadReadPtr)>("IsBadReadPtr");
    decltype(HeapAlloc)* heapAlloc_ = kernelFunction<decltype(HeapAlloc)>("HeapAlloc");
    decltype(HeapReAlloc)* heapReAlloc_ = kernelFunction<decltype(HeapReAlloc)>("HeapReAlloc");
    decltype(HeapFree)* heapFree_ = kernelFunction<decltype(HeapFree)>("HeapFree");
    HANDLE heap_ = kernelFunction<decltype(GetProcessHeap)>("GetProcessHeap")();
#if defined(_WIN64)
    decltype(RtlAddFunctionTable)* addFunctionTable_ =
        kernelFunction<decltype(RtlAddFunctionTable)>("RtlAddFunctionTable");
    decltype(RtlDeleteFunctionTable)* deleteFunctionTable_ =
        kernelFunction<decltype(RtlDeleteFunctionTable)>("RtlDeleteFunctionTable");
#endif
};

}  // namespace

ImageServices& imageServices() {
    static KernelImageServices services;
    return services;
}
