#pragma once
// A small DLL image shaped like the skin library: code with relocated
// pointers, data, a zero-filled section, imports by name, by ordinal and
// without a lookup list, exports (two names differing only in case) and an
// entry routine; with the fake libraries it imports from. In a 32-bit (PE32)
// and a 64-bit (PE32+) form, the latter with an exception table. Shared by
// the loader's tests and the fuzzer's first inputs.

#include <cstdint>

#include "mapped_image_services.h"
#include "pe_builder.h"

namespace sample {

constexpr std::uint32_t kImageBase = 0x10000000;
constexpr std::uint32_t kText = 0x1000;  // RVAs of the sections
constexpr std::uint32_t kData = 0x2000;
constexpr std::uint32_t kBss = 0x3000;
constexpr std::uint32_t kEntry = kText + 0x30;
// In .text: a pointer into .data (HIGHLOW) and a word named by a type-0 entry.
constexpr std::uint32_t kTextPointer = kText + 0x10;
constexpr std::uint32_t kTextPointerValue = kImageBase + kData + 4;
constexpr std::uint32_t kPaddedWord = kText + 0x20;
constexpr std::uint32_t kPaddedWordValue = 0x12345678;
// In .data: a pointer to the start of .text (HIGHLOW).
constexpr std::uint32_t kDataPointerValue = kImageBase + kText;

// The 64-bit form: the pointers are 64-bit (DIR64) and the preferred base
// lies far above 4 GiB (where AddressSanitizer leaves the host's address
// space to the program).
constexpr std::uint64_t kImageBase64 = 0x500000000000;
constexpr std::uint64_t kTextPointerValue64 = kImageBase64 + kData + 4;
constexpr std::uint64_t kDataPointerValue64 = kImageBase64 + kText;
// Its exception table's one entry: the entry routine, unwound by data in .data.
constexpr std::uint32_t kUnwindData = kData + 8;

constexpr std::uintptr_t kKernelHandle = 0x7001;
constexpr std::uintptr_t kUserHandle = 0x7002;
constexpr std::uint32_t kTickCount = 0x70010010;  // fake function addresses
constexpr std::uint32_t kOrdinalFive = 0x70010050;
constexpr std::uint32_t kMessageBox = 0x70020020;
// In a 64-bit process the fake functions lie this far higher.
constexpr std::uint64_t kHighFunctions = 0x7FF700000000;

PeBuilder libraryBuilder();
PeImage libraryImage();
PeBuilder libraryBuilder64();
PeImage libraryImage64();

// A 64-bit image whose exception table lies in a section of
// `tableCharacteristics` right after a section without file data (.text at
// 0x1000, .bss at 0x2000, the table's section at 0x3000), with an image-wide
// size of uninitialised data (0x2000) that reaches over the table.
PeImage tableAfterZeroFill(std::uint32_t tableCharacteristics);

// "KERNEL32.dll" (GetTickCount, ordinal 5) and "USER32.dll" (MessageBoxW),
// at the addresses above, raised by kHighFunctions in a 64-bit process.
void addLibraries(MappedImageServices& services);

}  // namespace sample
