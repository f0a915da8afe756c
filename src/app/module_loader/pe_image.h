#pragma once
// The parts of the PE image format the loader reads, in its 32-bit (PE32)
// and 64-bit (PE32+) forms, with the memory,
// heap and entry-routine constants it passes to the system. Our own
// definitions, so that the loader builds on hosts without windows.h. The
// structures are only ever filled by memcpy from image bytes (see
// image_bounds.h), never laid over them.

#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "images are little-endian");

namespace pe {

constexpr std::uint16_t kDosMagic = 0x5A4D;          // "MZ"
constexpr std::uint32_t kDosNewHeaderOffset = 0x3C;  // where e_lfanew is stored
constexpr std::uint32_t kNtSignature = 0x00004550;   // "PE\0\0"
constexpr std::uint16_t kMachineI386 = 0x14C;
constexpr std::uint16_t kMachineAmd64 = 0x8664;
constexpr std::uint16_t kOptionalHeaderMagic32 = 0x10B;
constexpr std::uint16_t kOptionalHeaderMagic64 = 0x20B;

constexpr int kExportDirectory = 0;
constexpr int kImportDirectory = 1;
constexpr int kExceptionDirectory = 3;
constexpr int kBaseRelocationDirectory = 5;
constexpr int kDirectoryCount = 16;

constexpr std::uint16_t kRelocationAbsolute = 0;  // padding entry
constexpr std::uint16_t kRelocationHighLow = 3;   // IMAGE_REL_BASED_HIGHLOW, PE32
constexpr std::uint16_t kRelocationDir64 = 10;    // IMAGE_REL_BASED_DIR64, PE32+

// File header characteristics.
constexpr std::uint16_t kFileRelocsStripped = 0x0001;
constexpr std::uint16_t kFileDll = 0x2000;

constexpr std::uint32_t kImportByOrdinal = 0x80000000;
constexpr std::uint64_t kImportByOrdinal64 = 0x8000000000000000;

// Section characteristics.
constexpr std::uint32_t kScnInitializedData = 0x00000040;
constexpr std::uint32_t kScnUninitializedData = 0x00000080;
constexpr std::uint32_t kScnDiscardable = 0x02000000;
constexpr std::uint32_t kScnNotCached = 0x04000000;
constexpr std::uint32_t kScnExecute = 0x20000000;
constexpr std::uint32_t kScnRead = 0x40000000;
constexpr std::uint32_t kScnWrite = 0x80000000;

// VirtualAlloc and VirtualFree types, page protections.
constexpr std::uint32_t kMemCommit = 0x1000;
constexpr std::uint32_t kMemReserve = 0x2000;
constexpr std::uint32_t kMemDecommit = 0x4000;
constexpr std::uint32_t kMemRelease = 0x8000;
constexpr std::uint32_t kPageNoAccess = 0x01;
constexpr std::uint32_t kPageReadOnly = 0x02;
constexpr std::uint32_t kPageReadWrite = 0x04;
constexpr std::uint32_t kPageWriteCopy = 0x08;
constexpr std::uint32_t kPageExecute = 0x10;
constexpr std::uint32_t kPageExecuteRead = 0x20;
constexpr std::uint32_t kPageExecuteReadWrite = 0x40;
constexpr std::uint32_t kPageExecuteWriteCopy = 0x80;
constexpr std::uint32_t kPageNoCache = 0x200;
constexpr std::uint32_t kPageSize = 0x1000;

constexpr std::uint32_t kHeapZeroMemory = 8;
constexpr std::uint32_t kDllProcessDetach = 0;
constexpr std::uint32_t kDllProcessAttach = 1;

struct DataDirectory {
    std::uint32_t VirtualAddress;
    std::uint32_t Size;
};

struct FileHeader {
    std::uint16_t Machine;
    std::uint16_t NumberOfSections;
    std::uint32_t TimeDateStamp;
    std::uint32_t PointerToSymbolTable;
    std::uint32_t NumberOfSymbols;
    std::uint16_t SizeOfOptionalHeader;
    std::uint16_t Characteristics;
};

struct OptionalHeader32 {
    std::uint16_t Magic;
    std::uint8_t MajorLinkerVersion;
    std::uint8_t MinorLinkerVersion;
    std::uint32_t SizeOfCode;
    std::uint32_t SizeOfInitializedData;
    std::uint32_t SizeOfUninitializedData;
    std::uint32_t AddressOfEntryPoint;
    std::uint32_t BaseOfCode;
    std::uint32_t BaseOfData;
    std::uint32_t ImageBase;
    std::uint32_t SectionAlignment;
    std::uint32_t FileAlignment;
    std::uint16_t MajorOperatingSystemVersion;
    std::uint16_t MinorOperatingSystemVersion;
    std::uint16_t MajorImageVersion;
    std::uint16_t MinorImageVersion;
    std::uint16_t MajorSubsystemVersion;
    std::uint16_t MinorSubsystemVersion;
    std::uint32_t Win32VersionValue;
    std::uint32_t SizeOfImage;
    std::uint32_t SizeOfHeaders;
    std::uint32_t CheckSum;
    std::uint16_t Subsystem;
    std::uint16_t DllCharacteristics;
    std::uint32_t SizeOfStackReserve;
    std::uint32_t SizeOfStackCommit;
    std::uint32_t SizeOfHeapReserve;
    std::uint32_t SizeOfHeapCommit;
    std::uint32_t LoaderFlags;
    std::uint32_t NumberOfRvaAndSizes;
    pe::DataDirectory DataDirectory[kDirectoryCount];
};

struct OptionalHeader64 {
    std::uint16_t Magic;
    std::uint8_t MajorLinkerVersion;
    std::uint8_t MinorLinkerVersion;
    std::uint32_t SizeOfCode;
    std::uint32_t SizeOfInitializedData;
    std::uint32_t SizeOfUninitializedData;
    std::uint32_t AddressOfEntryPoint;
    std::uint32_t BaseOfCode;
    std::uint64_t ImageBase;
    std::uint32_t SectionAlignment;
    std::uint32_t FileAlignment;
    std::uint16_t MajorOperatingSystemVersion;
    std::uint16_t MinorOperatingSystemVersion;
    std::uint16_t MajorImageVersion;
    std::uint16_t MinorImageVersion;
    std::uint16_t MajorSubsystemVersion;
    std::uint16_t MinorSubsystemVersion;
    std::uint32_t Win32VersionValue;
    std::uint32_t SizeOfImage;
    std::uint32_t SizeOfHeaders;
    std::uint32_t CheckSum;
    std::uint16_t Subsystem;
    std::uint16_t DllCharacteristics;
    std::uint64_t SizeOfStackReserve;
    std::uint64_t SizeOfStackCommit;
    std::uint64_t SizeOfHeapReserve;
    std::uint64_t SizeOfHeapCommit;
    std::uint32_t LoaderFlags;
    std::uint32_t NumberOfRvaAndSizes;
    pe::DataDirectory DataDirectory[kDirectoryCount];
};

struct NtHeaders32 {
    std::uint32_t Signature;
    pe::FileHeader FileHeader;
    OptionalHeader32 OptionalHeader;
};

struct NtHeaders64 {
    std::uint32_t Signature;
    pe::FileHeader FileHeader;
    OptionalHeader64 OptionalHeader;
};

struct SectionHeader {
    std::uint8_t Name[8];
    std::uint32_t Misc;  // virtual size in the file; the loader keeps the mapped address here
    std::uint32_t VirtualAddress;
    std::uint32_t SizeOfRawData;
    std::uint32_t PointerToRawData;
    std::uint32_t PointerToRelocations;
    std::uint32_t PointerToLinenumbers;
    std::uint16_t NumberOfRelocations;
    std::uint16_t NumberOfLinenumbers;
    std::uint32_t Characteristics;
};

struct ImportDescriptor {
    std::uint32_t OriginalFirstThunk;
    std::uint32_t TimeDateStamp;
    std::uint32_t ForwarderChain;
    std::uint32_t Name;
    std::uint32_t FirstThunk;
};

struct ExportDirectory {
    std::uint32_t Characteristics;
    std::uint32_t TimeDateStamp;
    std::uint16_t MajorVersion;
    std::uint16_t MinorVersion;
    std::uint32_t Name;
    std::uint32_t Base;
    std::uint32_t NumberOfFunctions;
    std::uint32_t NumberOfNames;
    std::uint32_t AddressOfFunctions;
    std::uint32_t AddressOfNames;
    std::uint32_t AddressOfNameOrdinals;
};

struct BaseRelocationBlock {
    std::uint32_t VirtualAddress;
    std::uint32_t SizeOfBlock;
};

// One entry of a PE32+ image's exception table (RUNTIME_FUNCTION).
struct RuntimeFunction {
    std::uint32_t BeginAddress;
    std::uint32_t EndAddress;
    std::uint32_t UnwindData;
};

static_assert(sizeof(FileHeader) == 20);
static_assert(sizeof(OptionalHeader32) == 224);
static_assert(sizeof(NtHeaders32) == 248);
static_assert(sizeof(OptionalHeader64) == 240);
static_assert(sizeof(NtHeaders64) == 264);
static_assert(sizeof(RuntimeFunction) == 12);
static_assert(sizeof(SectionHeader) == 40);
static_assert(sizeof(ImportDescriptor) == 20);
static_assert(sizeof(ExportDirectory) == 40);
static_assert(sizeof(BaseRelocationBlock) == 8);

// Offset of the section table from the NT signature.
constexpr std::uint32_t kSectionTableBase = 4 + sizeof(FileHeader);

}  // namespace pe
