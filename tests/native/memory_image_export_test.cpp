// Finding exports of a loaded image by name, forwarded ones through the
// libraries they name, and calling functions with the argument slots the skin
// library's callers fill.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/module_loader/memory_image.h"
#include "app/module_loader/pe_image.h"
#include "support/mapped_image_services.h"
#include "support/sample_images.h"

namespace {

class FindExportTest : public ::testing::Test {
  protected:
    void SetUp() override { sample::addLibraries(services); }
    void TearDown() override { freeImage(loaded, services); }

    MemoryImage* load() {
        loaded = loadImageFromMemory(image.bytes.data(), image.bytes.size(), services);
        return loaded;
    }

    void* at(std::uint32_t rva) const { return static_cast<std::uint8_t*>(loaded->codeBase) + rva; }

    // The file offset of the export directory's field at `fieldOffset`.
    std::uint32_t exportField(std::size_t fieldOffset) const {
        return image.fileOffset(image.exportDirectory) + static_cast<std::uint32_t>(fieldOffset);
    }

    MappedImageServices services{pe::kMachineI386};
    PeImage image = sample::libraryImage();
    MemoryImage* loaded = nullptr;
};

TEST_F(FindExportTest, NamesMatchExactlyAndCaseSensitively) {
    ASSERT_NE(load(), nullptr);
    EXPECT_EQ(findExport(loaded, "SkinStart", services), at(sample::kText));
    EXPECT_EQ(findExport(loaded, "skinstart", services), at(sample::kText + 4));
    EXPECT_EQ(findExport(loaded, "SkinStop", services), at(sample::kText + 8));
    EXPECT_EQ(findExport(loaded, "SKINSTOP", services), nullptr);
    EXPECT_EQ(findExport(loaded, "SkinSto", services), nullptr) << "a prefix is not a name";
    EXPECT_EQ(findExport(loaded, "SkinStopped", services), nullptr);
}

TEST_F(FindExportTest, AnOrdinalIndexPastTheFunctionsFindsNothing) {
    const std::uint32_t ordinals =
        image.get32(exportField(offsetof(pe::ExportDirectory, AddressOfNameOrdinals)));
    image.put16(image.fileOffset(ordinals) + 2 * 2, 3);  // "SkinStop" -> index 3 of 3
    ASSERT_NE(load(), nullptr);
    EXPECT_EQ(findExport(loaded, "SkinStop", services), nullptr);
    EXPECT_EQ(findExport(loaded, "SkinStart", services), at(sample::kText));
}

TEST_F(FindExportTest, AnImageWithoutExportsFindsNothing) {
    PeBuilder builder;
    builder.addSection(".text", 0x60000020, {0xC3});
    image = builder.build();
    ASSERT_NE(load(), nullptr);
    EXPECT_EQ(findExport(loaded, "SkinStart", services), nullptr);
}

// Damaged export tables load (the loader does not use them) but find nothing,
// and nothing outside the image or in unreadable memory is read.
TEST_F(FindExportTest, DamagedExportTablesFindNothing) {
    const std::vector<std::pair<std::string, std::function<void()>>> damages = {
        {"names outside",
         [&] {
             image.put32(exportField(offsetof(pe::ExportDirectory, AddressOfNames)),
                         image.sizeOfImage - 4);
         }},
        {"ordinals outside",
         [&] {
             image.put32(exportField(offsetof(pe::ExportDirectory, AddressOfNameOrdinals)),
                         0xFFFFFFFE);
         }},
        {"functions outside",
         [&] {
             image.put32(exportField(offsetof(pe::ExportDirectory, AddressOfFunctions)),
                         image.sizeOfImage - 4);
         }},
        {"name count huge",
         [&] {
             image.put32(exportField(offsetof(pe::ExportDirectory, NumberOfNames)), 0x40000000);
         }},
        {"no functions",
         [&] { image.put32(exportField(offsetof(pe::ExportDirectory, NumberOfFunctions)), 0); }},
        {"directory outside",
         [&] {
             image.put32(image.optionalField(offsetof(pe::OptionalHeader32, DataDirectory)),
                         image.sizeOfImage - 8);
         }},
        {"export section discarded",
         [&] {
             const std::uint32_t header = image.sectionTableOffset + 4 * 40;  // .edata
             image.put32(header + offsetof(pe::SectionHeader, Characteristics), 0x42000040);
         }},
        {"export section without access",
         [&] {
             image.put32(
                 image.sectionTableOffset + 4 * 40 + offsetof(pe::SectionHeader, Characteristics),
                 0x00000040);
         }},
    };
    const PeImage intact = image;
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        image = intact;
        damage();
        ASSERT_NE(load(), nullptr);
        EXPECT_EQ(findExport(loaded, "SkinStop", services), nullptr);
        freeImage(loaded, services);
        loaded = nullptr;
    }
}

// A forwarded export's entry points at "LIBRARY.Name" or "LIBRARY.#ordinal"
// inside the export directory: the function is that library's, and the
// library is held by the image until it is freed, once however often the
// export is looked up.
TEST_F(FindExportTest, ForwardedExportsAreTheFunctionsOfTheLibrariesTheyName) {
    constexpr std::uintptr_t kAdvapiHandle = 0x7003, kRegCloseKey = 0x70030030;
    MappedImageServices::FakeLibrary& advapi = services.libraries["ADVAPI32.dll"];
    advapi.handle = kAdvapiHandle;
    advapi.functions["RegCloseKey"] = kRegCloseKey;
    const std::vector<std::pair<std::string, std::uintptr_t>> found = {
        {"KERNEL32.GetTickCount", sample::kTickCount},
        {"KERNEL32.#5", sample::kOrdinalFive},
        {"ADVAPI32.RegCloseKey", kRegCloseKey},
    };
    const std::vector<std::string> missing = {
        "KERNEL32.NoSuchFunction",
        "NOWHERE.GetTickCount",
        "KERNEL32GetTickCount",
        "KERNEL32.#",
        "KERNEL32.#5x",
        "KERNEL32.#0",
        "KERNEL32.#65536",
        ".GetTickCount",
        "KERNEL32.",
    };
    PeBuilder builder = sample::libraryBuilder();
    for (const auto& [forward, function] : found) {
        builder.addForwardedExport("To " + forward, forward);
    }
    for (const std::string& forward : missing) {
        builder.addForwardedExport("To " + forward, forward);
    }
    image = builder.build();
    ASSERT_NE(load(), nullptr);
    const std::multiset<std::uintptr_t> imported = services.openLibraries();
    for (int round = 0; round < 2; ++round) {
        for (const auto& [forward, function] : found) {
            EXPECT_EQ(findExport(loaded, ("To " + forward).c_str(), services),
                      reinterpret_cast<void*>(function))
                << forward;
        }
        for (const std::string& forward : missing) {
            EXPECT_EQ(findExport(loaded, ("To " + forward).c_str(), services), nullptr) << forward;
        }
    }
    std::multiset<std::uintptr_t> held = imported;
    held.insert(kAdvapiHandle);
    EXPECT_EQ(services.openLibraries(), held);
    freeImage(loaded, services);
    loaded = nullptr;
    EXPECT_TRUE(services.openLibraries().empty());
}

// A forwarder text must end inside the export directory.
TEST_F(FindExportTest, AForwarderCutByTheDirectorysEndFindsNothing) {
    PeBuilder builder = sample::libraryBuilder();
    builder.addForwardedExport("Tick", "KERNEL32.GetTickCount");
    image = builder.build();
    const std::uint32_t functions =
        image.get32(exportField(offsetof(pe::ExportDirectory, AddressOfFunctions)));
    const std::uint32_t text = image.get32(image.fileOffset(functions) + 3 * 4);
    image.put32(image.directoryField(pe::kExportDirectory) + 4, text + 4 - image.exportDirectory);
    ASSERT_NE(load(), nullptr);
    EXPECT_EQ(findExport(loaded, "Tick", services), nullptr);
    EXPECT_EQ(services.openLibraries().size(), 2u) << "the imports' libraries only";
}

TEST(FindExportWithoutImageTest, NullFindsNothing) {
    MappedImageServices services{pe::kMachineI386};
    EXPECT_EQ(findExport(nullptr, "SkinStart", services), nullptr);
}

std::uint32_t none() {
    return 7;
}

std::uint32_t twice(std::uint32_t value) {
    return value * 2;
}

// Each argument weighs in by its position, so order and count both show.
std::uint32_t ordered(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    return a * 10000 + b * 100 + c;
}

std::uint32_t fifteen(std::uint32_t a1, std::uint32_t a2, std::uint32_t a3, std::uint32_t a4,
                      std::uint32_t a5, std::uint32_t a6, std::uint32_t a7, std::uint32_t a8,
                      std::uint32_t a9, std::uint32_t a10, std::uint32_t a11, std::uint32_t a12,
                      std::uint32_t a13, std::uint32_t a14, std::uint32_t a15) {
    std::uint32_t hash = 0;
    for (std::uint32_t value : {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15}) {
        hash = hash * 31 + value;
    }
    return hash;
}

void* function(auto* pointer) {
    return reinterpret_cast<void*>(pointer);
}

TEST(CallExportTest, PresentSlotsArePassedInOrderWithEitherConvention) {
    for (bool callerCleans : {false, true}) {
        SCOPED_TRACE(callerCleans ? "cdecl" : "stdcall");
        ExportArguments empty = {};
        EXPECT_EQ(callExport(function(none), callerCleans, empty), 7u);

        ExportArguments one = {};
        one[14] = 21;
        EXPECT_EQ(callExport(function(twice), callerCleans, one), 42u);

        ExportArguments gaps = {};
        gaps[0] = 1;
        gaps[3] = 2;
        gaps[9] = 3;
        EXPECT_EQ(callExport(function(ordered), callerCleans, gaps), 10203u);

        ExportArguments all;
        std::uint32_t expected = 0;
        for (std::uint32_t slot = 0; slot < 15; ++slot) {
            all[slot] = slot + 100;
            expected = expected * 31 + slot + 100;
        }
        EXPECT_EQ(callExport(function(fifteen), callerCleans, all), expected);
    }
}

}  // namespace
