#pragma once
// A small DLL image shaped like the skin library: code with relocated
// pointers, data, a zero-filled section, imports by name, by ordinal and
// without a lookup list, exports (two names differing only in case) and an
// entry routine; with the fake libraries it imports from. Shared by the
// loader's tests and the fuzzer's first inputs.

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

constexpr std::uintptr_t kKernelHandle = 0x7001;
constexpr std::uintptr_t kUserHandle = 0x7002;
constexpr std::uint32_t kTickCount = 0x70010010;  // fake function addresses
constexpr std::uint32_t kOrdinalFive = 0x70010050;
constexpr std::uint32_t kMessageBox = 0x70020020;

PeBuilder libraryBuilder();
PeImage libraryImage();

// "KERNEL32.dll" (GetTickCount, ordinal 5) and "USER32.dll" (MessageBoxW).
void addLibraries(MappedImageServices& services);

}  // namespace sample
