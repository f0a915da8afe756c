// The loader's import step on the probe DLL: a function imported by ordinal,
// and a descriptor list that runs into pages nobody committed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dll_file.h"
#include "memory_image_owner.h"

namespace {

const DllFile& probeFile() {
    static const DllFile file(LOADER_PROBE_DLL);
    return file;
}

std::uintptr_t askOrdinal(MemoryImage& image) {
    void* function = findExport(&image, "probeAskOrdinal");
    EXPECT_NE(function, nullptr);
    return function ? callExport(function, true, {}) : 0;
}

template <typename T>
void put(std::vector<std::uint8_t>& bytes, std::size_t offset, const T& value) {
    ASSERT_LE(offset + sizeof value, bytes.size());
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

}  // namespace

TEST(MemoryImageImportTest, ResolvesAnOrdinalImportByItsLowBits) {
    const std::vector<ImportedLibrary> imports = probeFile().imports();
    ASSERT_EQ(imports.size(), 1u);
    EXPECT_STREQ(imports[0].name.c_str(), "loader_ordinals.dll");
    const std::vector<std::uintptr_t> lookups = probeFile().lookups(imports[0].descriptor);
    ASSERT_EQ(lookups.size(), 1u);
    ASSERT_EQ(lookups[0], IMAGE_ORDINAL_FLAG | 7u);

    MemoryImageOwner image(
        loadImageFromMemory(probeFile().bytes().data(), probeFile().bytes().size()));
    ASSERT_NE(image, nullptr);
    HMODULE ordinals = GetModuleHandleW(L"loader_ordinals.dll");
    ASSERT_NE(ordinals, nullptr);
    ASSERT_EQ(image->moduleCount, 1);
    EXPECT_EQ(image->modules[0], ordinals);
    void* slot = nullptr;
    std::memcpy(&slot,
                static_cast<std::uint8_t*>(image->codeBase) + imports[0].descriptor.FirstThunk,
                sizeof slot);
    EXPECT_EQ(slot, reinterpret_cast<void*>(GetProcAddress(ordinals, MAKEINTRESOURCEA(7))));
    EXPECT_EQ(askOrdinal(*image), 0x5EB8u);
}

// The probe's descriptors moved to the very end of its image, with no zero
// descriptor after them: the next one would lie just past the reserved range.
TEST(MemoryImageImportTest, EndsTheImportsWhereTheDescriptorsRunIntoUnreadablePages) {
    std::vector<std::uint8_t> bytes = probeFile().bytes();
    const IMAGE_NT_HEADERS headers = probeFile().headers();
    const std::uint32_t sizeOfImage = headers.OptionalHeader.SizeOfImage;
    const std::vector<ImportedLibrary> imports = probeFile().imports();
    const std::vector<IMAGE_SECTION_HEADER> sections = probeFile().sections();
    ASSERT_FALSE(imports.empty());

    // The last section is made to reach the end of the image, and the
    // descriptors are copied to its end.
    IMAGE_SECTION_HEADER last = sections.back();
    const std::uint32_t listSize = imports.size() * sizeof(IMAGE_IMPORT_DESCRIPTOR);
    const std::uint32_t listRva = sizeOfImage - listSize;
    ASSERT_LE(last.VirtualAddress + last.Misc.VirtualSize, listRva);
    last.SizeOfRawData = sizeOfImage - last.VirtualAddress;
    last.Misc.VirtualSize = last.SizeOfRawData;
    bytes.resize(std::max<std::size_t>(bytes.size(), last.PointerToRawData + last.SizeOfRawData));
    put(bytes,
        probeFile().sectionTableOffset() + (sections.size() - 1) * sizeof(IMAGE_SECTION_HEADER),
        last);
    for (std::size_t i = 0; i < imports.size(); ++i) {
        put(bytes,
            last.PointerToRawData + (listRva - last.VirtualAddress) +
                i * sizeof(IMAGE_IMPORT_DESCRIPTOR),
            imports[i].descriptor);
    }
    const IMAGE_DATA_DIRECTORY directory = {listRva, listSize};
    put(bytes,
        probeFile().ntOffset() + offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
            offsetof(IMAGE_OPTIONAL_HEADER, DataDirectory) +
            IMAGE_DIRECTORY_ENTRY_IMPORT * sizeof(IMAGE_DATA_DIRECTORY),
        directory);

    MemoryImageOwner image(loadImageFromMemory(bytes.data(), bytes.size()));
    ASSERT_NE(image, nullptr);
    MEMORY_BASIC_INFORMATION next = {};
    VirtualQuery(static_cast<std::uint8_t*>(image->codeBase) + sizeOfImage, &next, sizeof next);
    EXPECT_NE(next.State, static_cast<DWORD>(MEM_COMMIT)) << "the next descriptor was readable";
    EXPECT_EQ(image->moduleCount, static_cast<std::int32_t>(imports.size()));
    EXPECT_EQ(askOrdinal(*image), 0x5EB8u);
}
