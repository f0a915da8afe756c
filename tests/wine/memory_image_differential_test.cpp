// The in-memory loader against the system's own loader, which decides what is
// right: every export of real DLLs, forwarded ones included, is the function
// the system finds.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "build_path.h"
#include "dll_file.h"
#include "memory_image_owner.h"

namespace {

std::wstring systemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

std::wstring folderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

std::uintptr_t word(const void* pointer) {
    return reinterpret_cast<std::uintptr_t>(pointer);
}

struct RealDll {
    const char* name;
    std::wstring path;
    bool forwards;  // some of its exports are forwarded to another library
};

}  // namespace

// Where the system's function lies inside the DLL, the loader's lies at the
// same offset of its copy; where it lies elsewhere (a forwarded export), the
// loader finds that very function.
TEST(MemoryImageDifferentialTest, EveryExportOfRealDllsIsTheFunctionTheSystemFinds) {
    const std::vector<RealDll> dlls = {
        {"zlib1", buildFilePath(FOREIGN_DLL), false},
        {"libstdc++", buildFilePath(CXX_RUNTIME_DLL), false},
        {"lz32", systemFile(L"lz32.dll"), true},
        {"version", systemFile(L"version.dll"), true},
    };
    // The C++ runtime imports the threads library, which lies elsewhere.
    SetDllDirectoryW(folderOf(buildFilePath(THREADS_DLL)).c_str());
    for (const RealDll& dll : dlls) {
        SCOPED_TRACE(dll.name);
        const DllFile file(dll.path);
        const HMODULE system =
            LoadLibraryExW(dll.path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        ASSERT_NE(system, nullptr);
        MemoryImageOwner image(loadImageFromMemory(file.bytes().data(), file.bytes().size()));
        ASSERT_NE(image, nullptr) << "the system loads it";
        const std::uintptr_t size = file.headers().OptionalHeader.SizeOfImage;
        int forwarded = 0;
        const std::vector<std::string> names = file.exportNames();
        for (const std::string& name : names) {
            void* expected = reinterpret_cast<void*>(GetProcAddress(system, name.c_str()));
            void* found = findExport(image.get(), name.c_str());
            const std::uintptr_t offset = word(expected) - word(system);
            if (offset < size) {
                EXPECT_EQ(word(found) - word(image->codeBase), offset) << name;
            } else {
                ++forwarded;
                EXPECT_EQ(found, expected) << name;
            }
        }
        EXPECT_EQ(forwarded > 0, dll.forwards) << forwarded << " of " << names.size();
        image.reset();
        FreeLibrary(system);
    }
    SetDllDirectoryW(nullptr);
}
