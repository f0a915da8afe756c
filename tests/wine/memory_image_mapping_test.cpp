// How the loader lays the probe DLL out: at its preferred base untouched, or
// elsewhere with every absolute pointer moved; its uninitialized section;
// the protections of its sections; its discardable section given back. Its
// absolute pointers are HIGHLOW fixups in the 32-bit build and DIR64 ones in
// the 64-bit build.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "address_range.h"
#include "dll_file.h"
#include "memory_image_owner.h"

namespace {

const DllFile& probeFile() {
    static const DllFile file(LOADER_PROBE_DLL);
    return file;
}

void* preferredBase(const DllFile& file) {
    return reinterpret_cast<void*>(file.headers().OptionalHeader.ImageBase);
}

std::uint8_t* at(const MemoryImage& image, std::uint32_t rva) {
    return static_cast<std::uint8_t*>(image.codeBase) + rva;
}

// The relocation type of the build's absolute pointers.
constexpr unsigned kPointerFixup =
    sizeof(void*) == 8 ? IMAGE_REL_BASED_DIR64 : IMAGE_REL_BASED_HIGHLOW;

std::uintptr_t mappedWord(const MemoryImage& image, std::uint32_t rva) {
    std::uintptr_t value;
    std::memcpy(&value, at(image, rva), sizeof value);
    return value;
}

MEMORY_BASIC_INFORMATION query(const void* address) {
    MEMORY_BASIC_INFORMATION info = {};
    VirtualQuery(address, &info, sizeof info);
    return info;
}

std::uintptr_t callCdecl(MemoryImage& image, const char* name,
                         std::optional<std::uintptr_t> argument = std::nullopt) {
    void* function = findExport(&image, name);
    EXPECT_NE(function, nullptr) << name;
    ExportArguments arguments = {argument};
    return function ? callExport(function, true, arguments) : 0;
}

std::uint32_t exportRva(MemoryImage& image, const char* name) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t*>(findExport(&image, name)) -
                                      static_cast<std::uint8_t*>(image.codeBase));
}

// The image's absolute pointers answer for it: the code's pointer to a global,
// and the table of pointers to read-only data in its writable data.
void expectPointersWork(MemoryImage& image) {
    EXPECT_EQ(callCdecl(image, "probeCounterAddress"),
              reinterpret_cast<std::uintptr_t>(at(image, exportRva(image, "probeCounter"))));
    EXPECT_EQ(callCdecl(image, "probeReadThroughTable", 0), 11u);
    EXPECT_EQ(callCdecl(image, "probeReadThroughTable", 2), 33u);
}

class ProbeAtPreferredBase : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(rangeIsFree(preferredBase(probeFile()),
                                probeFile().headers().OptionalHeader.SizeOfImage))
            << "something else occupies the probe's preferred base";
        image.reset(loadImageFromMemory(probeFile().bytes().data(), probeFile().bytes().size()));
        ASSERT_NE(image, nullptr);
    }

    MemoryImageOwner image;
};

// The preferred base taken by a reservation of its whole range.
class RelocatedProbe : public testing::Test {
  protected:
    void SetUp() override {
        blocker = VirtualAlloc(preferredBase(probeFile()),
                               probeFile().headers().OptionalHeader.SizeOfImage, MEM_RESERVE,
                               PAGE_NOACCESS);
        ASSERT_EQ(blocker, preferredBase(probeFile()));
        image.reset(loadImageFromMemory(probeFile().bytes().data(), probeFile().bytes().size()));
        ASSERT_NE(image, nullptr);
        delta = reinterpret_cast<std::uintptr_t>(image->codeBase) -
                probeFile().headers().OptionalHeader.ImageBase;
    }

    void TearDown() override {
        image.reset();
        if (blocker) {
            VirtualFree(blocker, 0, MEM_RELEASE);
        }
    }

    void* blocker = nullptr;
    MemoryImageOwner image;
    std::uintptr_t delta = 0;
};

}  // namespace

TEST_F(ProbeAtPreferredBase, IsMappedThereAndKeepsEveryPointerAsLinked) {
    EXPECT_EQ(image->codeBase, preferredBase(probeFile()));
    int pointers = 0;
    for (const Fixup& fixup : probeFile().fixups()) {
        if (fixup.type == kPointerFixup) {
            ++pointers;
            EXPECT_EQ(mappedWord(*image, fixup.rva), probeFile().readWord(fixup.rva))
                << "at RVA " << std::hex << fixup.rva;
        }
    }
    // At least the three of probeTable; 32-bit code holds absolute addresses too.
    EXPECT_GE(pointers, 3);
    expectPointersWork(*image);
}

TEST_F(RelocatedProbe, IsMappedElsewhereWithEveryPointerFixupShifted) {
    EXPECT_NE(image->codeBase, blocker);
    int pointers = 0;
    for (const Fixup& fixup : probeFile().fixups()) {
        if (fixup.type == kPointerFixup) {
            ++pointers;
            EXPECT_EQ(mappedWord(*image, fixup.rva), probeFile().readWord(fixup.rva) + delta)
                << "at RVA " << std::hex << fixup.rva;
        }
    }
    // At least the three of probeTable; 32-bit code holds absolute addresses too.
    EXPECT_GE(pointers, 3);
    expectPointersWork(*image);
    EXPECT_EQ(callCdecl(*image, "probeAttachInstance"),
              reinterpret_cast<std::uintptr_t>(image->codeBase));
}

TEST_F(RelocatedProbe, LeavesTheWordsNamedByPaddingEntriesAlone) {
    constexpr std::uint32_t kWord = sizeof(std::uintptr_t);
    std::vector<std::uint32_t> moved;
    for (const Fixup& fixup : probeFile().fixups()) {
        if (fixup.type == kPointerFixup) {
            moved.push_back(fixup.rva);
        }
    }
    int padding = 0;
    for (const Fixup& fixup : probeFile().fixups()) {
        bool overlapsMoved = false;
        for (std::uint32_t rva : moved) {
            overlapsMoved = overlapsMoved || (fixup.rva < rva + kWord && rva < fixup.rva + kWord);
        }
        if (fixup.type == IMAGE_REL_BASED_ABSOLUTE && !overlapsMoved) {
            ++padding;
            EXPECT_EQ(mappedWord(*image, fixup.rva), probeFile().readWord(fixup.rva))
                << "at RVA " << std::hex << fixup.rva;
        }
    }
    // The linker pads a block with an odd number of fixups; the probe has one.
    EXPECT_GE(padding, 1);
}

TEST_F(ProbeAtPreferredBase, GivesTheSectionWithoutFileDataZeroedUsablePages) {
    const IMAGE_SECTION_HEADER bss = probeFile().section(".bss");
    ASSERT_NE(bss.VirtualAddress, 0u);
    ASSERT_EQ(bss.SizeOfRawData, 0u);
    const std::uint32_t alignment = probeFile().headers().OptionalHeader.SectionAlignment;
    const std::uint8_t* start = at(*image, bss.VirtualAddress);
    for (std::uint32_t i = 0; i < alignment; ++i) {
        ASSERT_EQ(start[i], 0) << "at offset " << i;
    }
    // The probe fills its 2048-byte buffer with bytes counting up from the value it is given.
    EXPECT_EQ(callCdecl(*image, "probeFillScratch", 3), 8u * (255u * 256u / 2u));
    EXPECT_EQ(start[0], 3);
    EXPECT_EQ(start[2047], static_cast<std::uint8_t>(3 + 2047));
}

TEST_F(ProbeAtPreferredBase, ProtectsEachSectionAsItsCharacteristicsSay) {
    struct Expected {
        const char* name;
        DWORD characteristics;  // of execute, read and write
        DWORD protection;
    };
    const DWORD access = IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
    for (const Expected& expected : {
             Expected{".text", IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_READ, PAGE_EXECUTE_READ},
             Expected{".rdata", IMAGE_SCN_MEM_READ, PAGE_READONLY},
             Expected{".data", IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE, PAGE_READWRITE},
             Expected{".bss", IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE, PAGE_READWRITE},
         }) {
        const IMAGE_SECTION_HEADER section = probeFile().section(expected.name);
        ASSERT_NE(section.VirtualAddress, 0u) << expected.name;
        EXPECT_EQ(section.Characteristics & access, expected.characteristics) << expected.name;
        const MEMORY_BASIC_INFORMATION info = query(at(*image, section.VirtualAddress));
        EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT)) << expected.name;
        EXPECT_EQ(info.Protect, expected.protection) << expected.name;
    }
}

TEST_F(ProbeAtPreferredBase, DecommitsDiscardableSectionsAndStillWorks) {
    int discardable = 0;
    for (const IMAGE_SECTION_HEADER& section : probeFile().sections()) {
        if (section.Characteristics & IMAGE_SCN_MEM_DISCARDABLE) {
            ++discardable;
            EXPECT_EQ(query(at(*image, section.VirtualAddress)).State,
                      static_cast<DWORD>(MEM_RESERVE))
                << std::string(reinterpret_cast<const char*>(section.Name), 8);
        }
    }
    EXPECT_GE(discardable, 1);
    expectPointersWork(*image);
    EXPECT_EQ(callCdecl(*image, "probeAskOrdinal"), 0x5EB8u);
}
