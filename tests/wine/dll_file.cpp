#include "dll_file.h"

#include <cstring>
#include <stdexcept>

#include "build_path.h"

namespace {

// The path for a message; the build's paths are ASCII.
std::string named(const std::wstring& path) {
    return std::string(path.begin(), path.end());
}

std::vector<std::uint8_t> readFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open " + named(path));
    }
    std::vector<std::uint8_t> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    BOOL done = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!done || read != bytes.size()) {
        throw std::runtime_error("cannot read " + named(path));
    }
    return bytes;
}

template <typename T>
T readAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) {
        throw std::out_of_range("read beyond the DLL file");
    }
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

}  // namespace

DllFile::DllFile(const char* path) : DllFile(buildFilePath(path)) {}

DllFile::DllFile(const std::wstring& path)
    : bytes_(readFile(path)), ntOffset_(readAt<std::uint32_t>(bytes_, 0x3C)) {}

IMAGE_NT_HEADERS DllFile::headers() const {
    const auto nt = readAt<IMAGE_NT_HEADERS>(bytes_, ntOffset_);
    if (nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) {
        throw std::runtime_error("a DLL of another machine than the build's");
    }
    return nt;
}

std::uint32_t DllFile::sectionTableOffset() const {
    return ntOffset_ + offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
           headers().FileHeader.SizeOfOptionalHeader;
}

std::vector<IMAGE_SECTION_HEADER> DllFile::sections() const {
    std::vector<IMAGE_SECTION_HEADER> table;
    for (unsigned i = 0; i < headers().FileHeader.NumberOfSections; ++i) {
        table.push_back(readAt<IMAGE_SECTION_HEADER>(
            bytes_, sectionTableOffset() + i * sizeof(IMAGE_SECTION_HEADER)));
    }
    return table;
}

IMAGE_SECTION_HEADER DllFile::section(const char* name) const {
    for (const IMAGE_SECTION_HEADER& header : sections()) {
        if (std::strncmp(reinterpret_cast<const char*>(header.Name), name, 8) == 0) {
            return header;
        }
    }
    return {};
}

std::uint32_t DllFile::fileOffset(std::uint32_t rva) const {
    for (const IMAGE_SECTION_HEADER& header : sections()) {
        if (rva >= header.VirtualAddress && rva - header.VirtualAddress < header.SizeOfRawData) {
            return header.PointerToRawData + (rva - header.VirtualAddress);
        }
    }
    if (rva < headers().OptionalHeader.SizeOfHeaders) {
        return rva;
    }
    throw std::out_of_range("an RVA without file data");
}

std::uint32_t DllFile::read32(std::uint32_t rva) const {
    return readAt<std::uint32_t>(bytes_, fileOffset(rva));
}

std::uintptr_t DllFile::readWord(std::uint32_t rva) const {
    return readAt<std::uintptr_t>(bytes_, fileOffset(rva));
}

std::string DllFile::text(std::uint32_t rva) const {
    std::string result;
    for (std::uint32_t offset = fileOffset(rva); char c = readAt<char>(bytes_, offset); ++offset) {
        result += c;
    }
    return result;
}

std::vector<Fixup> DllFile::fixups() const {
    const IMAGE_DATA_DIRECTORY directory =
        headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    std::vector<Fixup> result;
    std::uint32_t block = directory.VirtualAddress;
    while (block < directory.VirtualAddress + directory.Size) {
        const auto relocation = readAt<IMAGE_BASE_RELOCATION>(bytes_, fileOffset(block));
        if (relocation.SizeOfBlock < sizeof relocation) {
            throw std::out_of_range("a relocation block shorter than its header");
        }
        for (std::uint32_t at = sizeof relocation; at < relocation.SizeOfBlock; at += 2) {
            const auto entry = readAt<std::uint16_t>(bytes_, fileOffset(block + at));
            result.push_back(
                {relocation.VirtualAddress + (entry & 0xFFFu), static_cast<unsigned>(entry >> 12)});
        }
        block += relocation.SizeOfBlock;
    }
    return result;
}

std::vector<ImportedLibrary> DllFile::imports() const {
    const IMAGE_DATA_DIRECTORY directory =
        headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<ImportedLibrary> result;
    if (directory.Size == 0) {
        return result;
    }
    for (std::uint32_t at = directory.VirtualAddress;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto descriptor = readAt<IMAGE_IMPORT_DESCRIPTOR>(bytes_, fileOffset(at));
        if (descriptor.Name == 0) {
            return result;
        }
        result.push_back({descriptor, text(descriptor.Name)});
    }
}

std::vector<std::uintptr_t> DllFile::lookups(const IMAGE_IMPORT_DESCRIPTOR& descriptor) const {
    std::vector<std::uintptr_t> result;
    std::uint32_t at =
        descriptor.OriginalFirstThunk != 0 ? descriptor.OriginalFirstThunk : descriptor.FirstThunk;
    for (; std::uintptr_t entry = readWord(at); at += sizeof entry) {
        result.push_back(entry);
    }
    return result;
}

std::vector<std::string> DllFile::exportNames() const {
    const IMAGE_DATA_DIRECTORY directory =
        headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::vector<std::string> result;
    if (directory.Size == 0) {
        return result;
    }
    const auto exports =
        readAt<IMAGE_EXPORT_DIRECTORY>(bytes_, fileOffset(directory.VirtualAddress));
    for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
        result.push_back(text(read32(exports.AddressOfNames + i * 4)));
    }
    return result;
}
