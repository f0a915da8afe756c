// The in-memory loader against the system's own loader, which decides what is
// right: every export of real DLLs, forwarded ones included, is the function
// the system finds; and the loader runs the entry routine of variants of the
// refusal DLL exactly when the system does, refusing the images the system
// will not run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "build_path.h"
#include "dll_file.h"
#include "memory_image_owner.h"
#include "system_load_probe.h"

namespace {

std::wstring systemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

std::wstring folderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring besideThisProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return folderOf(path) + L"\\" + name;
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

namespace {

// A function of loader_ordinals.dll by its ordinal.
template <typename Function>
Function byOrdinal(HMODULE library, WORD ordinal) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}

const DllFile& refusalFile() {
    static const DllFile file(LOADER_REFUSAL_DLL);
    return file;
}

// A change to the refusal DLL's bytes, given with its NT headers.
using Craft = std::function<void(std::vector<std::uint8_t>&, IMAGE_NT_HEADERS&)>;

struct Variant {
    const char* name;
    Craft craft;
    bool baseTaken;      // the preferred base is reserved before the image is loaded
    DWORD systemResult;  // what system_load_probe reports
};

std::vector<std::uint8_t> crafted(const Craft& craft) {
    std::vector<std::uint8_t> bytes = refusalFile().bytes();
    IMAGE_NT_HEADERS headers = refusalFile().headers();
    craft(bytes, headers);
    std::memcpy(bytes.data() + refusalFile().ntOffset(), &headers, sizeof headers);
    return bytes;
}

// The entry routine moved into the headers' slack after the section table: a
// jump there to the real one, which would run if the headers could.
void entryInTheHeaders(std::vector<std::uint8_t>& bytes, IMAGE_NT_HEADERS& headers) {
    const std::uint32_t at = headers.OptionalHeader.SizeOfHeaders - 8;
    ASSERT_GE(at, refusalFile().sectionTableOffset() +
                      headers.FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER));
    const std::int32_t distance =
        static_cast<std::int32_t>(headers.OptionalHeader.AddressOfEntryPoint - (at + 5));
    bytes[at] = 0xE9;  // jmp rel32
    std::memcpy(bytes.data() + at + 1, &distance, sizeof distance);
    headers.OptionalHeader.AddressOfEntryPoint = at;
}

// The system's loader in a process of its own on `bytes`, written to a file.
DWORD systemResult(const std::vector<std::uint8_t>& bytes, bool baseTaken) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"nuvri_loader_variant.dll";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    const IMAGE_OPTIONAL_HEADER optional = refusalFile().headers().OptionalHeader;
    wchar_t range[64] = {};
    if (baseTaken) {
        swprintf(range, 64, L" %llx %lx", static_cast<unsigned long long>(optional.ImageBase),
                 static_cast<unsigned long>(optional.SizeOfImage));
    }
    std::wstring commandLine =
        L"\"" + besideThisProgram(L"system_load_probe.exe") + L"\" \"" + path + L"\"" + range;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return kProbeFailed;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = kProbeFailed;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileW(path.c_str());
    return exitCode;
}

}  // namespace

// The refusal DLL's entry routine notes its base in loader_ordinals.dll and
// refuses the attach, so neither loader keeps it; what tells is whether the
// entry routine ran. The system maps an image whose relocations were stripped
// only at its preferred base (the 64-bit refusal DLL has no relocations at
// all and is moved all the same: only the flag counts), runs no entry
// routine of an EXE (the loader refuses an EXE outright), none in the headers
// (they are not executable) and nothing of an image whose import descriptors
// lie outside it (its loader faults on them).
TEST(MemoryImageDifferentialTest, TheEntryRoutineRunsExactlyWhenTheSystemRunsIt) {
    const auto none = [](std::vector<std::uint8_t>&, IMAGE_NT_HEADERS&) {};
    const auto stripped = [](std::vector<std::uint8_t>&, IMAGE_NT_HEADERS& headers) {
        headers.FileHeader.Characteristics |= IMAGE_FILE_RELOCS_STRIPPED;
    };
    const std::vector<Variant> variants = {
        {"as linked", none, false, kEntryRan},
        {"preferred base taken", none, true, kEntryRan},
        {"relocations stripped", stripped, false, kEntryRan},
        {"relocations stripped, preferred base taken", stripped, true, 0},
        {"not a DLL",
         [](std::vector<std::uint8_t>&, IMAGE_NT_HEADERS& headers) {
             headers.FileHeader.Characteristics &= ~IMAGE_FILE_DLL;
         },
         false, kSystemLoaded},
        {"entry in the headers", entryInTheHeaders, false, 0},
        {"no sections, entry in the headers",
         [](std::vector<std::uint8_t>& bytes, IMAGE_NT_HEADERS& headers) {
             entryInTheHeaders(bytes, headers);
             headers.FileHeader.NumberOfSections = 0;
             std::memset(headers.OptionalHeader.DataDirectory, 0,
                         sizeof headers.OptionalHeader.DataDirectory);
         },
         false, 0},
        {"import descriptors past the image",
         [](std::vector<std::uint8_t>&, IMAGE_NT_HEADERS& headers) {
             headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress =
                 headers.OptionalHeader.SizeOfImage + 0x10000;
         },
         false, kSystemFaulted},
    };
    // Our own reference keeps the library, and its record, loaded throughout.
    HMODULE ordinals = LoadLibraryW(L"loader_ordinals.dll");
    ASSERT_NE(ordinals, nullptr);
    auto noteRefusedBase = byOrdinal<void(__cdecl*)(void*)>(ordinals, 9);
    auto refusedBase = byOrdinal<void*(__cdecl*)()>(ordinals, 10);
    ASSERT_NE(refusedBase, nullptr);
    const IMAGE_OPTIONAL_HEADER optional = refusalFile().headers().OptionalHeader;
    void* const preferred = reinterpret_cast<void*>(optional.ImageBase);
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        const std::vector<std::uint8_t> bytes = crafted(variant.craft);
        const DWORD system = systemResult(bytes, variant.baseTaken);
        EXPECT_EQ(system, variant.systemResult) << "what the system does";

        noteRefusedBase(nullptr);
        void* blocker = variant.baseTaken ? VirtualAlloc(preferred, optional.SizeOfImage,
                                                         MEM_RESERVE, PAGE_NOACCESS)
                                          : nullptr;
        ASSERT_EQ(blocker, variant.baseTaken ? preferred : nullptr);
        MemoryImageOwner image(loadImageFromMemory(bytes.data(), bytes.size()));
        EXPECT_EQ(image, nullptr);
        EXPECT_EQ(refusedBase() != nullptr, (system & kEntryRan) != 0)
            << "the loader runs the entry routine exactly when the system does";
        image.reset();
        if (blocker) {
            VirtualFree(blocker, 0, MEM_RELEASE);
        }
    }
    FreeLibrary(ordinals);
    EXPECT_EQ(GetModuleHandleW(L"loader_ordinals.dll"), nullptr)
        << "the loader kept a reference to the imported library";
}
