// The in-memory loader against mapped host memory and fake libraries: where
// an image is placed, relocation, imports, protections, the entry routine
// and the release of everything on failure and unload; for a PE32+ image in
// a 64-bit process also its 64-bit relocations and import slots and its
// exception table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "app/module_loader/memory_image.h"
#include "app/module_loader/pe_image.h"
#include "support/mapped_image_services.h"
#include "support/sample_images.h"

namespace {

std::uint32_t wordAt(const MemoryImage* image, std::uint32_t rva) {
    std::uint32_t value;
    std::memcpy(&value, static_cast<const std::uint8_t*>(image->codeBase) + rva, sizeof value);
    return value;
}

std::uint64_t quadAt(const MemoryImage* image, std::uint32_t rva) {
    std::uint64_t value;
    std::memcpy(&value, static_cast<const std::uint8_t*>(image->codeBase) + rva, sizeof value);
    return value;
}

std::string address(const MemoryImage* image, std::uint32_t rva) {
    return hexText(reinterpret_cast<std::uintptr_t>(image->codeBase) + rva);
}

// The sample in the form a process of `Machine` loads.
template <std::uint16_t Machine>
class LoaderFixture : public ::testing::Test {
  protected:
    void SetUp() override { sample::addLibraries(services); }

    MemoryImage* load() {
        return loadImageFromMemory(image.bytes.data(), image.bytes.size(), services);
    }

    // Nothing of a failed or freed load is left behind.
    void expectAllReleased() {
        EXPECT_EQ(services.reservedRanges(), 0u);
        EXPECT_EQ(services.heapBlocks(), 0u);
        EXPECT_TRUE(services.openLibraries().empty());
    }

    bool called(const std::string& line) const {
        return std::find(services.calls.begin(), services.calls.end(), line) !=
               services.calls.end();
    }

    std::vector<std::string> callsTo(const std::string& name) const {
        std::vector<std::string> found;
        for (const std::string& call : services.calls) {
            if (call.rfind(name + " ", 0) == 0) {
                found.push_back(call);
            }
        }
        return found;
    }

    MappedImageServices services{Machine};
    PeImage image = Machine == pe::kMachineI386 ? sample::libraryImage() : sample::libraryImage64();
};

using MemoryImageLoadTest = LoaderFixture<pe::kMachineI386>;
using MemoryImage64LoadTest = LoaderFixture<pe::kMachineAmd64>;

TEST_F(MemoryImageLoadTest, AFreePreferredBaseIsUsedAndNothingIsRelocated) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(loaded->codeBase), sample::kImageBase);
    EXPECT_EQ(loaded->headers, static_cast<std::uint8_t*>(loaded->codeBase) + image.ntOffset);
    EXPECT_EQ(wordAt(loaded, sample::kTextPointer), sample::kTextPointerValue);
    EXPECT_EQ(wordAt(loaded, sample::kData), sample::kDataPointerValue);
    EXPECT_EQ(callsTo("VirtualAlloc").front(), "VirtualAlloc 0x10000000 0x7000 0x2000 0x4");
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, ATakenBaseMovesEveryHighLowTargetByTheDifference) {
    ASSERT_TRUE(services.takeRange(sample::kImageBase, image.sizeOfImage));
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    const std::uint32_t base =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(loaded->codeBase));
    const std::uint32_t delta = base - sample::kImageBase;
    EXPECT_NE(delta, 0u);
    EXPECT_EQ(wordAt(loaded, sample::kTextPointer), sample::kTextPointerValue + delta);
    EXPECT_EQ(wordAt(loaded, sample::kData), sample::kDataPointerValue + delta);
    EXPECT_EQ(wordAt(loaded, sample::kPaddedWord), sample::kPaddedWordValue) << "type 0 entry";
    // The copy's headers name the new base.
    EXPECT_EQ(wordAt(loaded, image.optionalField(offsetof(pe::OptionalHeader32, ImageBase))), base);
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, ABaseInTheFirst64KiBIsNeverUsed) {
    PeBuilder builder = sample::libraryBuilder();
    builder.imageBase = 0x10;
    image = builder.build();
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_GE(reinterpret_cast<std::uintptr_t>(loaded->codeBase), 0x10000u);
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, SectionsAreCopiedOrZeroFilledAndTheirAddressesRecorded) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(std::memcmp(static_cast<std::uint8_t*>(loaded->codeBase) + sample::kText,
                          image.bytes.data() + image.fileOffset(sample::kText), 0x40),
              0);
    // .bss has no raw data: one section alignment of zeros is committed.
    EXPECT_TRUE(called("VirtualAlloc " + address(loaded, sample::kBss) + " 0x1000 0x1000 0x4"));
    const auto* bss = static_cast<const std::uint8_t*>(loaded->codeBase) + sample::kBss;
    EXPECT_TRUE(std::all_of(bss, bss + 0x1000, [](std::uint8_t byte) { return byte == 0; }));
    for (std::uint32_t index = 0; index < image.sections.size(); ++index) {
        const std::uint32_t header = image.sectionTableOffset + index * 40;
        EXPECT_EQ(wordAt(loaded, header + offsetof(pe::SectionHeader, Misc)),
                  static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(loaded->codeBase) +
                                             image.sections[index].rva));
    }
    freeImage(loaded, services);
}

TEST_F(MemoryImageLoadTest, ImportsAreResolvedByNameByOrdinalAndWithoutALookupList) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(wordAt(loaded, image.importSlots[0][0]), sample::kTickCount);
    EXPECT_EQ(wordAt(loaded, image.importSlots[0][1]), sample::kOrdinalFive);
    EXPECT_EQ(wordAt(loaded, image.importSlots[1][0]), sample::kMessageBox);
    EXPECT_TRUE(called("GetProcAddress 0x7001 #5"));
    ASSERT_EQ(loaded->moduleCount, 2);
    EXPECT_EQ(loaded->modules[0], reinterpret_cast<void*>(sample::kKernelHandle));
    EXPECT_EQ(loaded->modules[1], reinterpret_cast<void*>(sample::kUserHandle));
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, TheImportListEndsQuietlyWhereItCannotBeRead) {
    // The second descriptor is unreadable: only the first library is loaded.
    services.unreadable.push_back({sample::kImageBase + image.importDescriptors + 20, 20});
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->moduleCount, 1);
    freeImage(loaded, services);

    // A list whose first descriptor cannot be read is no list at all.
    services.unreadable.back().first -= 20;
    services.calls.clear();
    EXPECT_EQ(load(), nullptr);
    EXPECT_TRUE(callsTo("LoadLibraryA").empty());
    EXPECT_TRUE(callsTo("DllEntry").empty());
    expectAllReleased();
}

// The system maps an image whose relocations were stripped
// (IMAGE_FILE_RELOCS_STRIPPED) at its preferred base or not at all.
TEST_F(MemoryImageLoadTest, AnImageWithoutRelocationsLoadsOnlyAtItsPreferredBase) {
    const std::uint32_t field = image.ntOffset + 4 + offsetof(pe::FileHeader, Characteristics);
    image.put16(field, static_cast<std::uint16_t>(image.get32(field) | 0x0001));
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(loaded->codeBase), sample::kImageBase);
    freeImage(loaded, services);

    ASSERT_TRUE(services.takeRange(sample::kImageBase, image.sizeOfImage));
    services.calls.clear();
    EXPECT_EQ(load(), nullptr);
    EXPECT_TRUE(callsTo("DllEntry").empty());
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, TheEntryRoutineIsToldOfAttachAndDetachInOrder) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->initialized, 1u);
    const std::string base = address(loaded, 0);
    const std::string entry = "DllEntry " + address(loaded, sample::kEntry) + " " + base;
    EXPECT_EQ(services.calls.back(), entry + " 0x1");
    const std::string record = hexText(reinterpret_cast<std::uintptr_t>(loaded));
    const std::string modules = hexText(reinterpret_cast<std::uintptr_t>(loaded->modules));
    services.calls.clear();
    freeImage(loaded, services);
    EXPECT_EQ(services.calls,
              (std::vector<std::string>{
                  entry + " 0x0", "FreeLibrary 0x7001", "FreeLibrary 0x7002", "HeapFree " + modules,
                  "VirtualFree " + base + " 0x0 0x8000", "HeapFree " + record}));
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, WithoutAnEntryRoutineNothingIsCalledOnEitherSide) {
    PeBuilder builder = sample::libraryBuilder();
    builder.entryPoint = 0;
    image = builder.build();
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->initialized, 0u);
    freeImage(loaded, services);
    EXPECT_TRUE(callsTo("DllEntry").empty());
}

TEST_F(MemoryImageLoadTest, HandlesOfMinusOneAreNotFreed) {
    services.libraries["USER32.dll"].handle = ~std::uintptr_t{0};
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    freeImage(loaded, services);
    EXPECT_EQ(callsTo("FreeLibrary"), std::vector<std::string>{"FreeLibrary 0x7001"});
}

TEST_F(MemoryImageLoadTest, NullIsFreedWithoutAnyCall) {
    freeImage(nullptr);
    EXPECT_TRUE(static_cast<MappedImageServices&>(imageServices()).calls.empty());
}

// Each failure returns null and leaves no range, heap block or library.
TEST_F(MemoryImageLoadTest, EveryFailureReleasesWhatWasTaken) {
    const std::vector<std::pair<std::string, std::function<void()>>> failures = {
        {"missing library", [&] { services.libraries.erase("USER32.dll"); }},
        {"missing function",
         [&] { services.libraries["KERNEL32.dll"].functions.erase("GetTickCount"); }},
        {"missing ordinal", [&] { services.libraries["KERNEL32.dll"].ordinals.clear(); }},
        {"entry refuses", [&] { services.entryResult = 0; }},
        {"module list cannot grow", [&] { services.failing.insert("HeapReAlloc"); }},
        {"no record",
         [&] { services.failing.insert("HeapAlloc 0x0 " + hexText(sizeof(MemoryImage))); }},
        {"no module list", [&] { services.failing.insert("HeapAlloc 0x8 0x8"); }},
        {"no address space", [&] { services.failing.insert("VirtualAlloc"); }},
        {"no commit",
         [&] { services.failing.insert("VirtualAlloc 0x10003000 0x1000 0x1000 0x4"); }},
    };
    for (const auto& [name, fail] : failures) {
        SCOPED_TRACE(name);
        services.libraries.clear();
        sample::addLibraries(services);
        services.failing.clear();
        services.entryResult = 1;
        services.calls.clear();
        fail();
        EXPECT_EQ(load(), nullptr);
        expectAllReleased();
        EXPECT_EQ(callsTo("DllEntry").size(), name == "entry refuses" ? 1u : 0u) << "no detach";
    }
}

TEST_F(MemoryImageLoadTest, ProtectionsFollowTheSectionCharacteristics) {
    constexpr std::uint32_t kExecute = 0x20000000, kRead = 0x40000000, kWrite = 0x80000000;
    const std::uint32_t expected[8] = {0x01, 0x08, 0x02, 0x04, 0x10, 0x80, 0x20, 0x40};
    PeBuilder builder;
    builder.sizeOfInitializedData = 0x300;
    builder.sizeOfUninitializedData = 0x500;
    std::uint32_t rvas[8];
    for (std::uint32_t bits = 0; bits < 8; ++bits) {
        rvas[bits] = builder.addSection(
            ".s", (bits & 4 ? kExecute : 0) | (bits & 2 ? kRead : 0) | (bits & 1 ? kWrite : 0),
            std::vector<std::uint8_t>(0x10, 1));
    }
    const std::uint32_t uncached = builder.addSection(".nc", kRead | 0x04000000, {1});
    const std::uint32_t discarded = builder.addSection(".d", kRead | 0x02000000, {1});
    const std::uint32_t initialized = builder.addSection(".i", kRead | 0x40, {}, 0x10);
    const std::uint32_t uninitialized = builder.addSection(".u", kRead | kWrite | 0x80, {}, 0x10);
    builder.addSection(".n", kRead, {}, 0x10);
    image = builder.build();
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    std::vector<std::string> wanted;
    for (int bits = 0; bits < 8; ++bits) {
        wanted.push_back("VirtualProtect " + address(loaded, rvas[bits]) + " 0x200 " +
                         hexText(expected[bits]));
    }
    wanted.push_back("VirtualProtect " + address(loaded, uncached) + " 0x200 0x202");
    wanted.push_back("VirtualProtect " + address(loaded, initialized) + " 0x300 0x2");
    wanted.push_back("VirtualProtect " + address(loaded, uninitialized) + " 0x500 0x4");
    EXPECT_EQ(callsTo("VirtualProtect"), wanted);
    EXPECT_EQ(
        callsTo("VirtualFree"),
        std::vector<std::string>{"VirtualFree " + address(loaded, discarded) + " 0x200 0x4000"});
    EXPECT_EQ(services.protectionAt(static_cast<std::uint8_t*>(loaded->codeBase) + discarded), 0u);
    freeImage(loaded, services);
}

// Legal images of unusual shape.
TEST_F(MemoryImageLoadTest, SectionsSharingPagesLoadWithOneProtectionForTheWholeImage) {
    PeBuilder builder;
    builder.sectionAlignment = 0x200;  // the file alignment
    const std::uint32_t text = builder.addSection(".text", 0x60000020, {0xC3, 0xC3});
    const std::uint32_t data = builder.addSection(".data", 0xC0000040, {1, 2, 3, 4});
    builder.addSection(".d", 0x42000040, {5});
    image = builder.build();
    ASSERT_EQ(data - text, 0x200u) << "the test needs sections on one page";
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(wordAt(loaded, data), 0x04030201u);
    EXPECT_EQ(callsTo("VirtualProtect"),
              std::vector<std::string>{"VirtualProtect " + address(loaded, 0) + " " +
                                       hexText(image.sizeOfImage) + " 0x40"});
    EXPECT_TRUE(callsTo("VirtualFree").empty()) << "a shared page is never given back";
    freeImage(loaded, services);
    expectAllReleased();
}

// Directories past NumberOfRvaAndSizes are absent, whatever bytes follow the
// shortened optional header.
TEST_F(MemoryImageLoadTest, AnOptionalHeaderWithFewerDirectoriesLoadsWithoutTheMissingOnes) {
    PeBuilder builder = sample::libraryBuilder();
    builder.directoryCount = 6;  // export, import and base relocation still counted
    image = builder.build();
    ASSERT_TRUE(services.takeRange(sample::kImageBase, image.sizeOfImage));
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    const std::uint32_t delta =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(loaded->codeBase)) -
        sample::kImageBase;
    EXPECT_EQ(wordAt(loaded, sample::kTextPointer), sample::kTextPointerValue + delta);
    EXPECT_EQ(loaded->moduleCount, 2);
    EXPECT_NE(findExport(loaded, "SkinStart", services), nullptr);
    freeImage(loaded, services);

    builder.directoryCount = 5;  // the base relocations no longer counted
    image = builder.build();
    loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(wordAt(loaded, sample::kTextPointer), sample::kTextPointerValue)
        << "an absent directory is not read from the bytes after the header";
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImageLoadTest, ImageWideSizesReachingPastTheImageProtectNothing) {
    PeBuilder builder;
    builder.sizeOfInitializedData = 0x2000;
    builder.addSection(".i", 0x40000040, {}, 0x10);
    image = builder.build();
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(callsTo("VirtualProtect").empty());
    freeImage(loaded, services);
}

// The same sample as a PE32+ image in a 64-bit process.

TEST_F(MemoryImage64LoadTest, AFreeBaseAbove4GiBIsUsedAndNothingIsRelocated) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(loaded->codeBase), sample::kImageBase64);
    EXPECT_EQ(quadAt(loaded, sample::kTextPointer), sample::kTextPointerValue64);
    EXPECT_EQ(quadAt(loaded, sample::kData), sample::kDataPointerValue64);
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImage64LoadTest, ATakenBaseMovesEveryDir64TargetByTheWholeDifference) {
    ASSERT_TRUE(services.takeRange(sample::kImageBase64, image.sizeOfImage));
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    const std::uint64_t base = reinterpret_cast<std::uintptr_t>(loaded->codeBase);
    const std::uint64_t delta = base - sample::kImageBase64;
    EXPECT_NE(delta >> 32, 0u) << "the test needs a difference beyond 32 bits";
    EXPECT_EQ(quadAt(loaded, sample::kTextPointer), sample::kTextPointerValue64 + delta);
    EXPECT_EQ(quadAt(loaded, sample::kData), sample::kDataPointerValue64 + delta);
    EXPECT_EQ(wordAt(loaded, sample::kPaddedWord), sample::kPaddedWordValue) << "type 0 entry";
    EXPECT_EQ(quadAt(loaded, image.optionalField(offsetof(pe::OptionalHeader64, ImageBase))), base);
    // Section addresses are recorded as their low 32 bits, which still give
    // each section's place: protections land on the right pages.
    EXPECT_EQ(services.protectionAt(static_cast<std::uint8_t*>(loaded->codeBase) + sample::kText),
              pe::kPageExecuteRead);
    freeImage(loaded, services);
    expectAllReleased();
}

TEST_F(MemoryImage64LoadTest, ImportSlotsGetWholeAddressesAndBit63MeansAnOrdinal) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(quadAt(loaded, image.importSlots[0][0]), sample::kHighFunctions + sample::kTickCount);
    EXPECT_EQ(quadAt(loaded, image.importSlots[0][1]),
              sample::kHighFunctions + sample::kOrdinalFive);
    EXPECT_EQ(quadAt(loaded, image.importSlots[1][0]),
              sample::kHighFunctions + sample::kMessageBox);
    EXPECT_TRUE(called("GetProcAddress 0x7001 #5"));
    freeImage(loaded, services);
}

// The table is known to the system before the entry routine runs and until
// after its detach notification.
TEST_F(MemoryImage64LoadTest, TheExceptionTableIsRegisteredAroundTheEntryRoutine) {
    MemoryImage* loaded = load();
    ASSERT_NE(loaded, nullptr);
    const std::string table = address(loaded, image.exceptionTable);
    const std::string base = address(loaded, 0);
    const std::string entry = "DllEntry " + address(loaded, sample::kEntry) + " " + base;
    const auto last = services.calls.end();
    EXPECT_EQ(std::vector<std::string>(last - 2, last),
              (std::vector<std::string>{"RtlAddFunctionTable " + table + " 0x1 " + base,
                                        entry + " 0x1"}));
    EXPECT_EQ(loaded->exceptionTable,
              static_cast<std::uint8_t*>(loaded->codeBase) + image.exceptionTable);
    services.calls.clear();
    freeImage(loaded, services);
    ASSERT_GE(services.calls.size(), 3u);
    EXPECT_EQ(services.calls[0], entry + " 0x0");
    EXPECT_EQ(services.calls[1], "RtlDeleteFunctionTable " + table);
    EXPECT_EQ(services.calls[2], "FreeLibrary 0x7001");
}

TEST_F(MemoryImage64LoadTest, ABadOrRefusedExceptionTableFailsTheLoadAndReleasesAll) {
    // Sets and clears bits of the characteristics of the table's section.
    const auto markTableSection = [&](std::uint32_t set, std::uint32_t clear) {
        for (std::size_t index = 0; index < image.sections.size(); ++index) {
            const PeImage::Placed& section = image.sections[index];
            if (image.exceptionTable - section.rva < section.rawSize) {
                const auto field = static_cast<std::uint32_t>(
                    image.sectionTableOffset + index * sizeof(pe::SectionHeader) +
                    offsetof(pe::SectionHeader, Characteristics));
                image.put32(field, (image.get32(field) | set) & ~clear);
            }
        }
    };
    const std::vector<std::pair<std::string, std::function<void()>>> failures = {
        {"refused", [&] { services.failing.insert("RtlAddFunctionTable"); }},
        {"function past the image",
         [&] { image.put32(image.fileOffset(image.exceptionTable) + 4, image.sizeOfImage + 1); }},
        {"unwind data past the image",
         [&] { image.put32(image.fileOffset(image.exceptionTable) + 8, image.sizeOfImage - 2); }},
        {"table past the image",
         [&] {
             image.put32(image.directoryField(pe::kExceptionDirectory), image.sizeOfImage - 4);
         }},
        {"table in an unreadable section", [&] { markTableSection(0, pe::kScnRead); }},
        {"table in a discardable section", [&] { markTableSection(pe::kScnDiscardable, 0); }},
        // The image-wide size of uninitialised data reaches over the table
        // from the section before it, which has no file data.
        {"unreadable table after a section without file data",
         [&] { image = sample::tableAfterZeroFill(pe::kScnInitializedData); }},
        {"discardable table after a section without file data",
         [&] {
             image = sample::tableAfterZeroFill(pe::kScnInitializedData | pe::kScnRead |
                                                pe::kScnDiscardable);
         }},
    };
    // The image of the last two with a table that stays readable loads.
    image = sample::tableAfterZeroFill(pe::kScnInitializedData | pe::kScnRead);
    MemoryImage* kept = load();
    ASSERT_NE(kept, nullptr);
    freeImage(kept, services);
    for (const auto& [name, fail] : failures) {
        SCOPED_TRACE(name);
        image = sample::libraryImage64();
        services.failing.clear();
        services.calls.clear();
        fail();
        EXPECT_EQ(load(), nullptr);
        expectAllReleased();
        EXPECT_TRUE(callsTo("DllEntry").empty());
        EXPECT_TRUE(callsTo("RtlDeleteFunctionTable").empty());
    }
}

// Each process loads only the images whose code it runs.
TEST_F(MemoryImage64LoadTest, EachProcessRefusesTheOtherMachinesImages) {
    const PeImage image32 = sample::libraryImage();
    EXPECT_EQ(loadImageFromMemory(image32.bytes.data(), image32.bytes.size(), services), nullptr);
    MappedImageServices services32{pe::kMachineI386};
    sample::addLibraries(services32);
    EXPECT_EQ(loadImageFromMemory(image.bytes.data(), image.bytes.size(), services32), nullptr);
    EXPECT_TRUE(services.calls.empty());
    EXPECT_TRUE(services32.calls.empty());
}

}  // namespace
