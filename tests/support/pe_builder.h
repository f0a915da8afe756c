#pragma once
// Assembles DLL images in memory, 32-bit (PE32, i386) or 64-bit (PE32+,
// x86-64), for the in-memory loader's tests and the fuzzer's first inputs:
// the headers, sections with or without raw data, and generated import,
// export, exception and base-relocation sections placed after them.
// Sections start on section-alignment boundaries (0x1000 unless asked;
// file alignment 0x200) from RVA 0x1000.

#include <cstdint>
#include <string>
#include <vector>

struct PeImportedFunction {
    std::string name;           // empty: by ordinal
    std::uint16_t ordinal = 0;  // used when there is no name
};

struct PeImport {
    std::string library;
    std::vector<PeImportedFunction> functions;
    // False: OriginalFirstThunk is 0 and the slots themselves hold the list.
    bool lookupList = true;
};

// A built image and where its parts lie, so that tests can damage them.
struct PeImage {
    struct Placed {
        std::uint32_t rva;
        std::uint32_t rawSize;
        std::uint32_t fileOffset;
    };

    std::vector<std::uint8_t> bytes;
    std::uint32_t ntOffset = 0;
    std::uint32_t sectionTableOffset = 0;
    std::uint32_t sizeOfImage = 0;
    std::vector<Placed> sections;                         // in table order, generated ones last
    std::uint32_t importDescriptors = 0;                  // RVA; 0 without imports
    std::vector<std::vector<std::uint32_t>> importSlots;  // RVA of each function slot
    std::uint32_t exportDirectory = 0;                    // RVA; 0 without exports
    std::uint32_t exceptionTable = 0;                     // RVA; 0 without one
    std::uint32_t relocations = 0;                        // RVA; 0 without blocks

    // The file offset of `rva`, which must lie in a section's raw data.
    std::uint32_t fileOffset(std::uint32_t rva) const;
    // The file offset of a field of the optional header.
    std::uint32_t optionalField(std::size_t fieldOffset) const;
    // The file offset of data directory `index`.
    std::uint32_t directoryField(int index) const;
    std::uint32_t get32(std::uint32_t offset) const;
    void put16(std::uint32_t offset, std::uint16_t value);
    void put32(std::uint32_t offset, std::uint32_t value);
};

class PeBuilder {
  public:
    // PE32+ for x86-64: 64-bit image base, import entries (ordinal flag in bit
    // 63); relocation entries are stored as given.
    bool wide = false;
    std::uint64_t imageBase = 0x10000000;
    // Below the page size only as the file alignment, 0x200.
    std::uint32_t sectionAlignment = 0x1000;
    // NumberOfRvaAndSizes; the optional header holds that many directories.
    std::uint32_t directoryCount = 16;
    std::uint32_t entryPoint = 0;
    std::uint32_t sizeOfInitializedData = 0;
    std::uint32_t sizeOfUninitializedData = 0;

    // Adds a section after the ones before and returns its RVA; without data
    // its SizeOfRawData is 0 and `virtualSize` gives its extent.
    std::uint32_t addSection(const std::string& name, std::uint32_t characteristics,
                             std::vector<std::uint8_t> data, std::uint32_t virtualSize = 0);
    // A relocation block for the page at `pageRva`, entries as stored (type in
    // the top 4 bits).
    void addRelocationBlock(std::uint32_t pageRva, std::vector<std::uint16_t> entries);
    void addImport(PeImport import);
    void addExport(const std::string& name, std::uint32_t functionRva);
    // An export forwarded to another library: its function entry points at
    // `forward` ("LIBRARY.Name" or "LIBRARY.#ordinal"), which is stored inside
    // the export directory after the names.
    void addForwardedExport(const std::string& name, const std::string& forward);
    // An entry of the exception table (RUNTIME_FUNCTION).
    void addRuntimeFunction(std::uint32_t begin, std::uint32_t end, std::uint32_t unwindData);

    PeImage build() const;

  private:
    struct Section {
        std::string name;
        std::uint32_t characteristics;
        std::vector<std::uint8_t> data;
        std::uint32_t virtualSize;
        std::uint32_t rva;
    };
    struct Block {
        std::uint32_t pageRva;
        std::vector<std::uint16_t> entries;
    };
    struct Export {
        std::string name;
        std::uint32_t functionRva;
        std::string forward;  // empty: functionRva is the function
    };

    std::uint32_t place(std::vector<Section>& sections, const std::string& name,
                        std::uint32_t characteristics, std::vector<std::uint8_t> data,
                        std::uint32_t virtualSize, std::uint32_t& nextRva) const;
    std::vector<std::uint8_t> importData(std::uint32_t rva, PeImage& image) const;
    std::vector<std::uint8_t> exportData(std::uint32_t rva) const;
    std::vector<std::uint8_t> relocationData() const;

    std::vector<Section> sections_;
    std::uint32_t nextRva_ = 0x1000;
    std::vector<Block> blocks_;
    std::vector<PeImport> imports_;
    std::vector<Export> exports_;
    std::vector<std::uint32_t> runtimeFunctions_;  // three words each
};
