// Damaged and truncated images: the loader returns null, reads nothing
// outside the bytes it is given (AddressSanitizer watches each copy) and
// leaves no range, heap block or library behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "app/module_loader/memory_image.h"
#include "app/module_loader/pe_image.h"
#include "support/mapped_image_services.h"
#include "support/sample_images.h"

namespace {

using Damage = std::function<void(PeImage&)>;

std::uint32_t optionalField(const PeImage& image, std::size_t fieldOffset) {
    return image.optionalField(fieldOffset);
}

std::uint32_t sectionField(const PeImage& image, int section, std::size_t fieldOffset) {
    return image.sectionTableOffset + section * 40 + static_cast<std::uint32_t>(fieldOffset);
}

std::uint32_t fileField(const PeImage& image, std::size_t fieldOffset) {
    return image.ntOffset + 4 + static_cast<std::uint32_t>(fieldOffset);
}

class DamagedImageTest : public ::testing::Test {
  protected:
    void SetUp() override { sample::addLibraries(services); }

    // Loads exactly `length` bytes from a block of that size.
    MemoryImage* load(const std::vector<std::uint8_t>& bytes, std::size_t length) {
        const std::vector<std::uint8_t> copy(bytes.begin(), bytes.begin() + length);
        return loadImageFromMemory(copy.data(), copy.size(), services);
    }

    void expectRejected(const std::vector<std::pair<std::string, Damage>>& damages,
                        bool beforeAnyCall) {
        const PeImage intact = sample::libraryImage();
        for (const auto& [name, damage] : damages) {
            SCOPED_TRACE(name);
            PeImage image = intact;
            damage(image);
            services.calls.clear();
            EXPECT_EQ(load(image.bytes, image.bytes.size()), nullptr);
            if (beforeAnyCall) {
                EXPECT_TRUE(services.calls.empty()) << "rejected before taking anything";
            }
            EXPECT_EQ(services.reservedRanges(), 0u);
            EXPECT_EQ(services.heapBlocks(), 0u);
            EXPECT_TRUE(services.openLibraries().empty());
        }
    }

    MappedImageServices services{pe::kMachineI386};
};

TEST_F(DamagedImageTest, EveryTruncationIsRejectedBeforeAnythingIsTaken) {
    MappedImageServices services64{pe::kMachineAmd64};
    sample::addLibraries(services64);
    for (auto [image, machineServices] : {std::pair{sample::libraryImage(), &services},
                                          std::pair{sample::libraryImage64(), &services64}}) {
        const auto loadPrefix = [&](std::size_t length) {
            const std::vector<std::uint8_t> copy(image.bytes.begin(), image.bytes.begin() + length);
            return loadImageFromMemory(copy.data(), copy.size(), *machineServices);
        };
        MemoryImage* whole = loadPrefix(image.bytes.size());
        ASSERT_NE(whole, nullptr);
        freeImage(whole, *machineServices);
        machineServices->calls.clear();
        for (std::size_t length = 0; length < image.bytes.size(); ++length) {
            ASSERT_EQ(loadPrefix(length), nullptr) << length << " bytes";
        }
        EXPECT_TRUE(machineServices->calls.empty());
    }
}

TEST_F(DamagedImageTest, BrokenHeadersAndSectionTablesAreRejectedBeforeAnythingIsTaken) {
    using pe::FileHeader;
    using pe::OptionalHeader32;
    using pe::SectionHeader;
    expectRejected(
        {
            {"no MZ", [](PeImage& image) { image.put16(0, 0x5A4E); }},
            {"e_lfanew past the end",
             [](PeImage& image) { image.put32(pe::kDosNewHeaderOffset, 0xFFFFFFF0); }},
            {"e_lfanew near the end",
             [](PeImage& image) {
                 image.put32(pe::kDosNewHeaderOffset,
                             static_cast<std::uint32_t>(image.bytes.size() - 100));
             }},
            {"no PE signature", [](PeImage& image) { image.put32(image.ntOffset, 0x00004551); }},
            {"not i386",
             [](PeImage& image) {
                 image.put16(fileField(image, offsetof(FileHeader, Machine)), 0x8664);
             }},
            {"64-bit optional header",
             [](PeImage& image) {
                 image.put16(optionalField(image, offsetof(OptionalHeader32, Magic)), 0x20B);
             }},
            {"short optional header",
             [](PeImage& image) {
                 image.put16(fileField(image, offsetof(FileHeader, SizeOfOptionalHeader)), 0x60);
             }},
            {"huge NumberOfSections",
             [](PeImage& image) {
                 image.put16(fileField(image, offsetof(FileHeader, NumberOfSections)), 0xFFFF);
             }},
            {"SizeOfImage 0",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SizeOfImage)), 0);
             }},
            {"SizeOfImage cuts a section",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SizeOfImage)),
                             image.sizeOfImage - 0x1000);
             }},
            {"SizeOfHeaders past the bytes",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SizeOfHeaders)),
                             static_cast<std::uint32_t>(image.bytes.size() + 1));
             }},
            {"SizeOfHeaders short of the section table",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SizeOfHeaders)),
                             0x180);
             }},
            {"SectionAlignment 0",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SectionAlignment)), 0);
             }},
            {"SectionAlignment not a power of two",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SectionAlignment)),
                             0x1800);
             }},
            {"SectionAlignment below the page size and not the file alignment",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, SectionAlignment)),
                             0x400);
             }},
            {"SectionAlignment below the file alignment",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, FileAlignment)),
                             0x2000);
             }},
            {"FileAlignment not a power of two",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, FileAlignment)),
                             0x300);
             }},
            {"optional header short of the directories it counts",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, NumberOfRvaAndSizes)),
                             16);
                 image.put16(fileField(image, offsetof(FileHeader, SizeOfOptionalHeader)),
                             offsetof(OptionalHeader32, DataDirectory) + 15 * 8);
             }},
            {"entry outside",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, AddressOfEntryPoint)),
                             image.sizeOfImage);
             }},
            // An entry routine outside an executable section's file data: the
            // system's call of it faults.
            {"entry in the headers",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, AddressOfEntryPoint)),
                             0x100);
             }},
            {"entry in a data section",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, AddressOfEntryPoint)),
                             sample::kData);
             }},
            {"entry past the code's file data",
             [](PeImage& image) {
                 image.put32(optionalField(image, offsetof(OptionalHeader32, AddressOfEntryPoint)),
                             sample::kText + 0x200);
             }},
            {"entry without sections",
             [](PeImage& image) {
                 PeBuilder builder;
                 builder.entryPoint = 0x100;
                 image = builder.build();
             }},
            {"not a DLL",
             [](PeImage& image) {
                 const std::uint32_t field =
                     fileField(image, offsetof(FileHeader, Characteristics));
                 image.put16(field, static_cast<std::uint16_t>(image.get32(field) & ~0x2000u));
             }},
            {"raw data outside the bytes",
             [](PeImage& image) {
                 image.put32(sectionField(image, 0, offsetof(SectionHeader, PointerToRawData)),
                             static_cast<std::uint32_t>(image.bytes.size() - 0x100));
             }},
            {"raw data offset wraps",
             [](PeImage& image) {
                 image.put32(sectionField(image, 0, offsetof(SectionHeader, PointerToRawData)),
                             0xFFFFFF00);
             }},
            {"section over the headers",
             [](PeImage& image) {
                 image.put32(sectionField(image, 0, offsetof(SectionHeader, VirtualAddress)), 0);
             }},
            {"sections overlap",
             [](PeImage& image) {
                 image.put32(sectionField(image, 1, offsetof(SectionHeader, VirtualAddress)),
                             0x1000);
             }},
            {"section past the image",
             [](PeImage& image) {
                 image.put32(sectionField(image, 5, offsetof(SectionHeader, VirtualAddress)),
                             0xFFFFF000);
             }},
            {"zero-filled section past the image",
             [](PeImage& image) {
                 image.put32(sectionField(image, 2, offsetof(SectionHeader, VirtualAddress)),
                             image.sizeOfImage);
             }},
        },
        true);
}

// Relocation blocks are only read when the preferred base is taken.
TEST_F(DamagedImageTest, BrokenRelocationBlocksFailTheLoadAndReleaseEverything) {
    ASSERT_TRUE(services.takeRange(sample::kImageBase, 0x10000));
    const auto blockSize = [](PeImage& image, std::uint32_t size) {
        image.put32(image.fileOffset(image.relocations) + 4, size);
    };
    expectRejected(
        {
            {"block size 0", [&](PeImage& image) { blockSize(image, 0); }},
            {"block size 4", [&](PeImage& image) { blockSize(image, 4); }},
            {"block size odd", [&](PeImage& image) { blockSize(image, 11); }},
            {"block past the directory", [&](PeImage& image) { blockSize(image, 0x100); }},
            {"target past the image",
             [&](PeImage& image) {
                 image.put32(image.fileOffset(image.relocations), image.sizeOfImage - 2);
             }},
            {"target in the headers",
             [&](PeImage& image) { image.put32(image.fileOffset(image.relocations), 0x100); }},
            {"directory past the image",
             [&](PeImage& image) {
                 image.put32(optionalField(
                                 image, offsetof(pe::OptionalHeader32, DataDirectory) + 5 * 8 + 4),
                             0xFFFFFFF0);
             }},
        },
        false);
}

// An image whose last section holds a hand-made import table and ends in
// texts without terminator.
PeImage unterminatedImports(std::uint32_t nameAt, std::uint32_t functionEntry) {
    PeBuilder builder;
    std::vector<std::uint8_t> data(0x1000, 'A');
    std::fill(data.begin(), data.begin() + 0x100, 0);
    const std::uint32_t rva = 0x1000;
    const pe::ImportDescriptor descriptor{0, 0, 0, rva + nameAt, rva + 0x40};
    std::memcpy(data.data(), &descriptor, sizeof descriptor);
    std::memcpy(data.data() + 0x40, &functionEntry, sizeof functionEntry);
    std::memcpy(data.data() + 0x80, "USER32.dll", 11);
    builder.addSection(".idata", 0xC0000040, data);
    PeImage image = builder.build();
    image.put32(image.optionalField(offsetof(pe::OptionalHeader32, DataDirectory) + 8), rva);
    image.put32(image.optionalField(offsetof(pe::OptionalHeader32, DataDirectory) + 12), 40);
    return image;
}

// The same image with its import directory at `rva`.
PeImage importsAt(std::uint32_t rva) {
    PeImage image = unterminatedImports(0x80, 0x80000005);
    image.put32(image.directoryField(pe::kImportDirectory), rva);
    return image;
}

TEST_F(DamagedImageTest, ImportTextsAndListsOutsideTheImageFailTheLoad) {
    const std::vector<std::pair<std::string, PeImage>> images = {
        {"library name without terminator", unterminatedImports(0x100, 0x80000005)},
        {"function name without terminator", unterminatedImports(0x80, 0x1000 + 0xFFE)},
        {"function name past the image", unterminatedImports(0x80, 0xFFFFFFFE)},
        {"library name past the image", unterminatedImports(0x2000, 0x80000005)},
        // Imports that cannot be read are not "no imports": the code would
        // call slots nobody filled.
        {"descriptors past the image", importsAt(0x2000)},
        {"first descriptor across the image's end", importsAt(0x2000 - 8)},
        {"descriptors far outside", importsAt(0x7FFFF000)},
    };
    services.libraries["USER32.dll"].ordinals[5] = 0x70020050;
    // The intact variant loads, so each failure is the damage's.
    const PeImage intact = unterminatedImports(0x80, 0x80000005);
    MemoryImage* loaded = load(intact.bytes, intact.bytes.size());
    ASSERT_NE(loaded, nullptr);
    freeImage(loaded, services);
    for (const auto& [name, image] : images) {
        SCOPED_TRACE(name);
        EXPECT_EQ(load(image.bytes, image.bytes.size()), nullptr);
        EXPECT_EQ(services.reservedRanges(), 0u);
        EXPECT_EQ(services.heapBlocks(), 0u);
        EXPECT_TRUE(services.openLibraries().empty());
    }
}

TEST_F(DamagedImageTest, AFunctionListRunningPastTheImageFailsTheLoad) {
    PeImage image = unterminatedImports(0x80, 0x80000005);
    // The slots start at the image's last word, which holds an ordinal entry;
    // the next entry would lie outside.
    image.put32(image.fileOffset(0x1000) + offsetof(pe::ImportDescriptor, FirstThunk), 0x1FFC);
    image.put32(image.fileOffset(0x1FFC), 0x80000005);
    services.libraries["USER32.dll"].ordinals[5] = 0x70020050;
    EXPECT_EQ(load(image.bytes, image.bytes.size()), nullptr);
    EXPECT_EQ(services.reservedRanges(), 0u);
    EXPECT_TRUE(services.openLibraries().empty());
}

}  // namespace
