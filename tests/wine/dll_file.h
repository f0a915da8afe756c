#pragma once
// A DLL file of the build read into memory and looked at through its PE
// headers, so the loader tests can hold what the loader made of an image
// against what the file says, and check that a test DLL really has the
// property a test is about. The DLL is of the build's own machine: PE32 in
// the 32-bit build, PE32+ in the 64-bit one.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// One base-relocation entry: the RVA it names and its type (the top 4 bits).
struct Fixup {
    std::uint32_t rva;
    unsigned type;
};

// One import descriptor with the library name it points to.
struct ImportedLibrary {
    IMAGE_IMPORT_DESCRIPTOR descriptor;
    std::string name;
};

class DllFile {
  public:
    // `path` is a path of the build machine, read through drive Z:. Reading
    // beyond the file's bytes throws std::out_of_range, which fails the test.
    explicit DllFile(const char* path);
    // A file by its Windows path.
    explicit DllFile(const std::wstring& path);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // Where the NT headers start in the file.
    std::uint32_t ntOffset() const { return ntOffset_; }
    IMAGE_NT_HEADERS headers() const;
    std::vector<IMAGE_SECTION_HEADER> sections() const;
    // Where the section table starts in the file.
    std::uint32_t sectionTableOffset() const;
    // The section of that name; a zero header when there is none.
    IMAGE_SECTION_HEADER section(const char* name) const;

    // The 32-bit value the file holds for the image at `rva`.
    std::uint32_t read32(std::uint32_t rva) const;
    // The pointer-sized value (32 or 64 bits) the file holds at `rva`.
    std::uintptr_t readWord(std::uint32_t rva) const;
    std::vector<Fixup> fixups() const;
    // The import descriptors before the terminating zero one.
    std::vector<ImportedLibrary> imports() const;
    // The non-zero entries of a descriptor's lookup list (pointer-sized).
    std::vector<std::uintptr_t> lookups(const IMAGE_IMPORT_DESCRIPTOR& descriptor) const;
    std::vector<std::string> exportNames() const;

  private:
    std::uint32_t fileOffset(std::uint32_t rva) const;
    std::string text(std::uint32_t rva) const;

    std::vector<std::uint8_t> bytes_;
    std::uint32_t ntOffset_ = 0;
};
