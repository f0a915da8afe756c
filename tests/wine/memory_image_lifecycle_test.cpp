// An image's entry routine through load and free: one that refuses the
// attach, none at all, and the detach notification when an image is freed.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "address_range.h"
#include "app/module_loader/memory_image.h"
#include "dll_file.h"
#include "recording_image_services.h"

namespace {

void* callNoArguments(MemoryImage& image, const char* name) {
    void* function = findExport(&image, name);
    EXPECT_NE(function, nullptr) << name;
    return function ? reinterpret_cast<void*>(callExport(function, true, {})) : nullptr;
}

// A function of loader_ordinals.dll by its ordinal.
template <typename Function>
Function byOrdinal(HMODULE library, WORD ordinal) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

TEST(MemoryImageLifecycleTest, RefusedAttachFailsTheLoadAndGivesBackRangeAndLibrary) {
    const DllFile file(LOADER_REFUSAL_DLL);
    ASSERT_NE(file.headers().OptionalHeader.AddressOfEntryPoint, 0u);
    ASSERT_EQ(file.imports().size(), 1u);
    // Our own reference keeps the library loaded, so its record of the
    // refused image's base outlives that image.
    HMODULE ordinals = LoadLibraryW(L"loader_ordinals.dll");
    ASSERT_NE(ordinals, nullptr);
    auto noteRefusedBase = byOrdinal<void(__cdecl*)(void*)>(ordinals, 9);
    auto refusedBase = byOrdinal<void*(__cdecl*)()>(ordinals, 10);
    ASSERT_NE(noteRefusedBase, nullptr);
    ASSERT_NE(refusedBase, nullptr);
    noteRefusedBase(nullptr);

    RecordingImageServices services;
    EXPECT_EQ(loadImageFromMemory(file.bytes().data(), file.bytes().size(), services), nullptr);
    void* base = refusedBase();
    ASSERT_NE(base, nullptr) << "the entry routine did not run";
    EXPECT_TRUE(rangeIsFree(base, file.headers().OptionalHeader.SizeOfImage));
    const int attach = services.find({ServiceCall::kEntry, base, DLL_PROCESS_ATTACH});
    const int freeLibrary = services.find({ServiceCall::kFreeLibrary, ordinals, 0});
    const int release = services.find({ServiceCall::kRelease, base, 0});
    EXPECT_GE(attach, 0);
    EXPECT_GT(freeLibrary, attach);
    EXPECT_GT(release, attach);
    EXPECT_EQ(services.count(ServiceCall::kEntry), 1) << "a refused image is not detached";

    FreeLibrary(ordinals);
    EXPECT_EQ(GetModuleHandleW(L"loader_ordinals.dll"), nullptr)
        << "the loader kept its reference to the imported library";
}

TEST(MemoryImageLifecycleTest, ImageWithoutEntryRoutineLoadsAndFreesWithoutOne) {
    const DllFile file(LOADER_PLAIN_DLL);
    ASSERT_EQ(file.headers().OptionalHeader.AddressOfEntryPoint, 0u);
    RecordingImageServices services;
    MemoryImage* image = loadImageFromMemory(file.bytes().data(), file.bytes().size(), services);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->initialized, 0u);
    void* base = image->codeBase;
    freeImage(image, services);
    EXPECT_EQ(services.count(ServiceCall::kEntry), 0);
    EXPECT_GE(services.find({ServiceCall::kRelease, base, 0}), 0);
    EXPECT_TRUE(rangeIsFree(base, file.headers().OptionalHeader.SizeOfImage));
}

TEST(MemoryImageLifecycleTest, FreeDetachesOnceBeforeTheLibrariesAndTheRangeGo) {
    const DllFile file(LOADER_PROBE_DLL);
    RecordingImageServices services;
    MemoryImage* image = loadImageFromMemory(file.bytes().data(), file.bytes().size(), services);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->initialized, 1u);
    void* base = image->codeBase;
    EXPECT_EQ(callNoArguments(*image, "probeAttachInstance"), base);
    ASSERT_EQ(image->moduleCount, 1);
    void* library = image->modules[0];

    // The probe's entry routine counts in log[0] the notifications it writes after it.
    unsigned log[16] = {};
    void* watch = findExport(image, "probeWatchReasons");
    ASSERT_NE(watch, nullptr);
    ExportArguments arguments = {reinterpret_cast<std::uintptr_t>(log)};
    callExport(watch, true, arguments);
    freeImage(image, services);

    EXPECT_EQ(log[0], 1u);
    EXPECT_EQ(log[1], static_cast<unsigned>(DLL_PROCESS_DETACH));
    const int detach = services.find({ServiceCall::kEntry, base, DLL_PROCESS_DETACH});
    const int freeLibrary = services.find({ServiceCall::kFreeLibrary, library, 0});
    const int release = services.find({ServiceCall::kRelease, base, 0});
    EXPECT_GE(detach, 0);
    EXPECT_GT(freeLibrary, detach);
    EXPECT_GT(release, freeLibrary);
    EXPECT_EQ(services.count(ServiceCall::kEntry), 2) << "one attach, one detach";
    EXPECT_TRUE(rangeIsFree(base, file.headers().OptionalHeader.SizeOfImage));
}

#if defined(_WIN64)
namespace {

unsigned throwFrom(unsigned value) {
    throw std::runtime_error(std::to_string(value));
}

unsigned passOn(unsigned value) {
    return value * 2;
}

}  // namespace

// x86-64 code unwinds by tables: without the image's table registered, an
// exception thrown below the image's frame could not pass through it. The
// 32-bit build has no tables to register.
TEST(MemoryImageLifecycleTest, TheExceptionTableLetsExceptionsPassThroughTheImagesCode) {
    const DllFile file(LOADER_PROBE_DLL);
    const DWORD tableSize =
        file.headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXCEPTION].Size;
    ASSERT_NE(tableSize, 0u);
    RecordingImageServices services;
    MemoryImage* image = loadImageFromMemory(file.bytes().data(), file.bytes().size(), services);
    ASSERT_NE(image, nullptr);
    void* base = image->codeBase;
    const int added = services.find({ServiceCall::kAddTable, image->exceptionTable,
                                     tableSize / static_cast<DWORD>(sizeof(RUNTIME_FUNCTION))});
    EXPECT_GE(added, 0);
    EXPECT_LT(added, services.find({ServiceCall::kEntry, base, DLL_PROCESS_ATTACH}))
        << "registered before the entry routine runs";

    void* function = findExport(image, "probeCallBack");
    ASSERT_NE(function, nullptr);
    DWORD64 foundBase = 0;
    EXPECT_NE(RtlLookupFunctionEntry(reinterpret_cast<DWORD64>(function), &foundBase, nullptr),
              nullptr);
    EXPECT_EQ(foundBase, reinterpret_cast<DWORD64>(base));

    const auto word = [](auto pointer) { return reinterpret_cast<std::uintptr_t>(pointer); };
    EXPECT_EQ(static_cast<unsigned>(callExport(function, true, {word(&passOn), 5})),
              (5 + 8) * 2 + 6);
    try {
        callExport(function, true, {word(&throwFrom), 5});
        ADD_FAILURE() << "the exception was lost";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "13");
    }

    const void* table = image->exceptionTable;
    freeImage(image, services);
    const int deleted = services.find({ServiceCall::kDeleteTable, const_cast<void*>(table), 0});
    EXPECT_GT(deleted, services.find({ServiceCall::kEntry, base, DLL_PROCESS_DETACH}));
    EXPECT_LT(deleted, services.find({ServiceCall::kRelease, base, 0}));
}
#endif
