// A DLL nobody here wrote: Debian's zlib1.dll of the build's machine (package
// libz-mingw-w64), made by the ordinary linker with the mingw C runtime's
// entry routine, importing from KERNEL32 and msvcrt; the 64-bit one carries
// an exception table. The loader runs no TLS callbacks; the runtime's
// thread-local support that they start is not touched by compressing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "address_range.h"
#include "app/module_loader/memory_image.h"
#include "dll_file.h"

namespace {

const DllFile& zlib() {
    static const DllFile file(FOREIGN_DLL);
    return file;
}

void* preferredBase() {
    return reinterpret_cast<void*>(zlib().headers().OptionalHeader.ImageBase);
}

std::uintptr_t word(const void* pointer) {
    return reinterpret_cast<std::uintptr_t>(pointer);
}

// zlib's functions are cdecl; their lengths are `unsigned long`, 32-bit in
// both builds of Windows, and their results `int`.
int callZlib(void* function, std::initializer_list<std::uintptr_t> values) {
    ExportArguments arguments = {};
    std::size_t slot = 0;
    for (std::uintptr_t value : values) {
        arguments[slot++] = value;
    }
    return static_cast<int>(callExport(function, true, arguments));
}

// Loads zlib from its bytes, compresses a text through it and back, and frees
// it again; returns where it was mapped.
void* loadCompressAndFree() {
    EXPECT_NE(zlib().headers().OptionalHeader.AddressOfEntryPoint, 0u);
    MemoryImage* image = loadImageFromMemory(zlib().bytes().data(), zlib().bytes().size());
    EXPECT_NE(image, nullptr);
    if (!image) {
        return nullptr;
    }
    EXPECT_EQ(image->initialized, 1u);
    EXPECT_EQ(image->moduleCount, static_cast<std::int32_t>(zlib().imports().size()));
    EXPECT_EQ(image->exceptionTable != nullptr, sizeof(void*) == 8);

    void* compress = findExport(image, "compress");
    void* uncompress = findExport(image, "uncompress");
    void* bound = findExport(image, "compressBound");
    EXPECT_NE(compress, nullptr);
    EXPECT_NE(uncompress, nullptr);
    EXPECT_NE(bound, nullptr);
    if (compress && uncompress && bound) {
        std::string text;
        for (int line = 0; line < 200; ++line) {
            text += "Nuvri line " + std::to_string(line % 7) + " of a text that repeats\n";
        }
        const auto size = static_cast<unsigned long>(text.size());
        const auto roomFor = static_cast<unsigned long>(callZlib(bound, {size}));
        EXPECT_GE(roomFor, size);
        std::vector<std::uint8_t> packed(roomFor);
        unsigned long packedSize = roomFor;
        EXPECT_EQ(
            callZlib(compress, {word(packed.data()), word(&packedSize), word(text.data()), size}),
            0);
        EXPECT_LT(packedSize, size / 4) << "a repeating text packs small";
        std::string unpacked(size, '\0');
        unsigned long unpackedSize = size;
        EXPECT_EQ(callZlib(uncompress, {word(unpacked.data()), word(&unpackedSize),
                                        word(packed.data()), packedSize}),
                  0);
        EXPECT_EQ(unpackedSize, size);
        EXPECT_EQ(unpacked, text);
        // Z_BUF_ERROR: too little room is reported, not overrun.
        unsigned long tooSmall = 10;
        EXPECT_EQ(
            callZlib(compress, {word(packed.data()), word(&tooSmall), word(text.data()), size}),
            -5);
    }
    EXPECT_EQ(findExport(image, "Compress"), nullptr);

    void* base = image->codeBase;
    freeImage(image);
    EXPECT_TRUE(rangeIsFree(base, zlib().headers().OptionalHeader.SizeOfImage));
    return base;
}

}  // namespace

TEST(ForeignImageTest, ZlibAtItsPreferredBaseCompressesAndIsFreedCleanly) {
    ASSERT_TRUE(rangeIsFree(preferredBase(), zlib().headers().OptionalHeader.SizeOfImage));
    EXPECT_EQ(loadCompressAndFree(), preferredBase());
}

// Moved, its runtime's start-up and shut-down depend on its fixups being
// applied.
TEST(ForeignImageTest, ZlibMovedElsewhereWorksAsWell) {
    void* blocker = VirtualAlloc(preferredBase(), zlib().headers().OptionalHeader.SizeOfImage,
                                 MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_EQ(blocker, preferredBase());
    void* base = loadCompressAndFree();
    EXPECT_NE(base, preferredBase());
    VirtualFree(blocker, 0, MEM_RELEASE);
}
