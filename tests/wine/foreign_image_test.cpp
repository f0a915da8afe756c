// A DLL nobody here wrote: libgcc_s_dw2-1.dll of the mingw toolchain, made by
// the ordinary linker with the mingw C runtime's entry routine. The loader
// runs no TLS callbacks; this DLL's two (__dyn_tls_init and __dyn_tls_dtor)
// are the runtime's thread-local support, which the 64-bit division helpers
// called here never touch.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "address_range.h"
#include "app/memory_image.h"
#include "dll_file.h"

namespace {

const DllFile& libgcc() {
    static const DllFile file(FOREIGN_DLL);
    return file;
}

// A 64-bit cdecl argument takes two 32-bit slots, low half first; only the
// low half of a 64-bit result comes back.
std::uint32_t call64(void* function, std::int64_t dividend, std::int64_t divisor) {
    const auto bits = [](std::int64_t value) { return static_cast<std::uint64_t>(value); };
    ExportArguments arguments = {static_cast<std::uint32_t>(bits(dividend)),
                                 static_cast<std::uint32_t>(bits(dividend) >> 32),
                                 static_cast<std::uint32_t>(bits(divisor)),
                                 static_cast<std::uint32_t>(bits(divisor) >> 32)};
    return callExport(function, true, arguments);
}

// Loads libgcc from its bytes, divides through it and frees it again;
// returns where it was mapped.
void* loadDivideAndFree() {
    EXPECT_NE(libgcc().headers().OptionalHeader.AddressOfEntryPoint, 0u);
    MemoryImage* image = loadImageFromMemory(libgcc().bytes().data(), libgcc().bytes().size());
    EXPECT_NE(image, nullptr);
    if (!image) {
        return nullptr;
    }
    EXPECT_EQ(image->initialized, 1u);
    EXPECT_EQ(image->moduleCount, static_cast<std::int32_t>(libgcc().imports().size()));

    void* udiv = findExport(image, "__udivdi3");
    void* umod = findExport(image, "__umoddi3");
    void* sdiv = findExport(image, "__divdi3");
    void* smod = findExport(image, "__moddi3");
    EXPECT_NE(udiv, nullptr);
    EXPECT_NE(umod, nullptr);
    EXPECT_NE(sdiv, nullptr);
    EXPECT_NE(smod, nullptr);
    if (udiv && umod && sdiv && smod) {
        EXPECT_EQ(call64(udiv, 1'000'000'000'000, 1000), 1'000'000'000u);
        EXPECT_EQ(call64(udiv, 0x6'FFFF'FFF2, 7), 0xFFFF'FFFEu);
        EXPECT_EQ(call64(umod, 1'000'000'000'007, 1000), 7u);
        EXPECT_EQ(call64(sdiv, -1'000'000'000'000, 1000),
                  static_cast<std::uint32_t>(-1'000'000'000));
        EXPECT_EQ(call64(smod, -1'000'000'000'007, 1000), static_cast<std::uint32_t>(-7));
    }
    EXPECT_EQ(findExport(image, "__udivdi4"), nullptr);

    void* base = image->codeBase;
    freeImage(image);
    EXPECT_TRUE(rangeIsFree(base, libgcc().headers().OptionalHeader.SizeOfImage));
    return base;
}

}  // namespace

TEST(ForeignImageTest, LibgccAtItsPreferredBaseRunsItsDivisionHelpersAndIsFreedCleanly) {
    void* preferred = reinterpret_cast<void*>(libgcc().headers().OptionalHeader.ImageBase);
    ASSERT_TRUE(rangeIsFree(preferred, libgcc().headers().OptionalHeader.SizeOfImage));
    EXPECT_EQ(loadDivideAndFree(), preferred);
}

// Moved, its runtime's start-up and shut-down depend on its more than 1000 HIGHLOW
// fixups being applied.
TEST(ForeignImageTest, LibgccMovedElsewhereWorksAsWell) {
    void* preferred = reinterpret_cast<void*>(libgcc().headers().OptionalHeader.ImageBase);
    void* blocker = VirtualAlloc(preferred, libgcc().headers().OptionalHeader.SizeOfImage,
                                 MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_EQ(blocker, preferred);
    void* base = loadDivideAndFree();
    EXPECT_NE(base, preferred);
    VirtualFree(blocker, 0, MEM_RELEASE);
}
