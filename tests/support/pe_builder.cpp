#include "pe_builder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "app/module_loader/pe_image.h"

namespace {

constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kNtOffset = 0x40;

std::uint32_t alignUp(std::uint32_t value, std::uint32_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

std::uint32_t sizeOf(const std::vector<std::uint8_t>& bytes) {
    return static_cast<std::uint32_t>(bytes.size());
}

template <class T>
void putAt(std::vector<std::uint8_t>& bytes, std::size_t offset, const T& value) {
    if (bytes.size() < offset + sizeof value) {
        bytes.resize(offset + sizeof value);
    }
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// Appends a zero-terminated text, padded to an even offset, and returns where
// it starts.
std::uint32_t appendText(std::vector<std::uint8_t>& bytes, const std::string& text) {
    const std::uint32_t at = sizeOf(bytes);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.resize(alignUp(sizeOf(bytes) + 1, 2));
    return at;
}

}  // namespace

std::uint32_t PeImage::fileOffset(std::uint32_t rva) const {
    for (const Placed& section : sections) {
        if (rva >= section.rva && rva < section.rva + section.rawSize) {
            return section.fileOffset + (rva - section.rva);
        }
    }
    throw std::out_of_range("no raw data at that address");
}

std::uint32_t PeImage::optionalField(std::size_t fieldOffset) const {
    return static_cast<std::uint32_t>(ntOffset + offsetof(pe::NtHeaders32, OptionalHeader) +
                                      fieldOffset);
}

std::uint32_t PeImage::directoryField(int index) const {
    // The directories end the optional header; they start 96 bytes into a
    // PE32 one and 112 into a PE32+ one.
    const std::uint32_t magicOffset = optionalField(0);
    std::uint16_t magic;
    std::memcpy(&magic, bytes.data() + magicOffset, sizeof magic);
    const std::size_t directories = magic == pe::kOptionalHeaderMagic64
                                        ? offsetof(pe::OptionalHeader64, DataDirectory)
                                        : offsetof(pe::OptionalHeader32, DataDirectory);
    return optionalField(directories + index * sizeof(pe::DataDirectory));
}

std::uint32_t PeImage::get32(std::uint32_t offset) const {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void PeImage::put16(std::uint32_t offset, std::uint16_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

void PeImage::put32(std::uint32_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

std::uint32_t PeBuilder::place(std::vector<Section>& sections, const std::string& name,
                               std::uint32_t characteristics, std::vector<std::uint8_t> data,
                               std::uint32_t virtualSize, std::uint32_t& nextRva) const {
    const std::uint32_t rva = nextRva;
    const std::uint32_t extent = std::max({virtualSize, sizeOf(data), std::uint32_t{1}});
    nextRva += alignUp(extent, sectionAlignment);
    sections.push_back({name, characteristics, std::move(data), virtualSize, rva});
    return rva;
}

std::uint32_t PeBuilder::addSection(const std::string& name, std::uint32_t characteristics,
                                    std::vector<std::uint8_t> data, std::uint32_t virtualSize) {
    return place(sections_, name, characteristics, std::move(data), virtualSize, nextRva_);
}

void PeBuilder::addRelocationBlock(std::uint32_t pageRva, std::vector<std::uint16_t> entries) {
    blocks_.push_back({pageRva, std::move(entries)});
}

void PeBuilder::addImport(PeImport import) {
    imports_.push_back(std::move(import));
}

void PeBuilder::addExport(const std::string& name, std::uint32_t functionRva) {
    exports_.push_back({name, functionRva, ""});
}

void PeBuilder::addForwardedExport(const std::string& name, const std::string& forward) {
    exports_.push_back({name, 0, forward});
}

void PeBuilder::addRuntimeFunction(std::uint32_t begin, std::uint32_t end,
                                   std::uint32_t unwindData) {
    runtimeFunctions_.insert(runtimeFunctions_.end(), {begin, end, unwindData});
}

std::vector<std::uint8_t> PeBuilder::importData(std::uint32_t rva, PeImage& image) const {
    const std::uint32_t entrySize = wide ? 8 : 4;
    std::vector<std::uint8_t> bytes((imports_.size() + 1) * sizeof(pe::ImportDescriptor));
    std::vector<std::uint32_t> lookups;
    std::vector<std::uint32_t> slots;
    for (const PeImport& import : imports_) {
        const std::uint32_t listSize =
            static_cast<std::uint32_t>(import.functions.size() + 1) * entrySize;
        lookups.push_back(import.lookupList ? sizeOf(bytes) : 0);
        bytes.resize(bytes.size() + (import.lookupList ? listSize : 0));
        slots.push_back(sizeOf(bytes));
        bytes.resize(bytes.size() + listSize);
    }
    for (std::size_t index = 0; index < imports_.size(); ++index) {
        const PeImport& import = imports_[index];
        pe::ImportDescriptor descriptor{};
        descriptor.OriginalFirstThunk = import.lookupList ? rva + lookups[index] : 0;
        descriptor.Name = rva + appendText(bytes, import.library);
        descriptor.FirstThunk = rva + slots[index];
        putAt(bytes, index * sizeof descriptor, descriptor);
        std::vector<std::uint32_t>& slotRvas = image.importSlots.emplace_back();
        for (std::size_t function = 0; function < import.functions.size(); ++function) {
            const PeImportedFunction& imported = import.functions[function];
            std::uint64_t entry =
                (wide ? pe::kImportByOrdinal64 : pe::kImportByOrdinal) | imported.ordinal;
            if (!imported.name.empty()) {
                entry = rva + appendText(bytes, std::string("\0\0", 2) + imported.name);
            }
            const std::uint32_t at = static_cast<std::uint32_t>(function) * entrySize;
            for (std::uint32_t list : {lookups[index], slots[index]}) {
                if (list == lookups[index] && !import.lookupList) {
                    continue;
                }
                if (wide) {
                    putAt(bytes, list + at, entry);
                } else {
                    putAt(bytes, list + at, static_cast<std::uint32_t>(entry));
                }
            }
            slotRvas.push_back(rva + slots[index] + at);
        }
    }
    return bytes;
}

std::vector<std::uint8_t> PeBuilder::exportData(std::uint32_t rva) const {
    const auto count = static_cast<std::uint32_t>(exports_.size());
    pe::ExportDirectory directory{};
    directory.Base = 1;
    directory.NumberOfFunctions = count;
    directory.NumberOfNames = count;
    directory.AddressOfFunctions = rva + sizeof directory;
    directory.AddressOfNames = directory.AddressOfFunctions + count * 4;
    directory.AddressOfNameOrdinals = directory.AddressOfNames + count * 4;
    std::vector<std::uint8_t> bytes(sizeof directory + count * 10);
    putAt(bytes, 0, directory);
    for (std::uint32_t index = 0; index < count; ++index) {
        putAt(bytes, directory.AddressOfFunctions - rva + index * 4, exports_[index].functionRva);
        putAt(bytes, directory.AddressOfNames - rva + index * 4,
              rva + appendText(bytes, exports_[index].name));
        putAt(bytes, directory.AddressOfNameOrdinals - rva + index * 2,
              static_cast<std::uint16_t>(index));
    }
    for (std::uint32_t index = 0; index < count; ++index) {
        if (!exports_[index].forward.empty()) {
            putAt(bytes, directory.AddressOfFunctions - rva + index * 4,
                  rva + appendText(bytes, exports_[index].forward));
        }
    }
    return bytes;
}

std::vector<std::uint8_t> PeBuilder::relocationData() const {
    std::vector<std::uint8_t> bytes;
    for (const Block& block : blocks_) {
        const std::size_t at = bytes.size();
        const auto size = static_cast<std::uint32_t>(8 + block.entries.size() * 2);
        putAt(bytes, at, pe::BaseRelocationBlock{block.pageRva, size});
        for (std::size_t index = 0; index < block.entries.size(); ++index) {
            putAt(bytes, at + 8 + index * 2, block.entries[index]);
        }
    }
    return bytes;
}

PeImage PeBuilder::build() const {
    PeImage image;
    std::vector<Section> sections = sections_;
    std::uint32_t nextRva = nextRva_;
    pe::DataDirectory directories[pe::kDirectoryCount] = {};
    if (!imports_.empty()) {
        image.importDescriptors = nextRva;
        directories[pe::kImportDirectory] = {
            nextRva, static_cast<std::uint32_t>((imports_.size() + 1) * 20)};
        place(sections, ".idata", 0xC0000040, importData(nextRva, image), 0, nextRva);
    }
    if (!exports_.empty()) {
        image.exportDirectory = nextRva;
        std::vector<std::uint8_t> data = exportData(nextRva);
        directories[pe::kExportDirectory] = {nextRva, sizeOf(data)};
        place(sections, ".edata", 0x40000040, std::move(data), 0, nextRva);
    }
    if (!runtimeFunctions_.empty()) {
        image.exceptionTable = nextRva;
        std::vector<std::uint8_t> data(runtimeFunctions_.size() * 4);
        std::memcpy(data.data(), runtimeFunctions_.data(), data.size());
        directories[pe::kExceptionDirectory] = {nextRva, sizeOf(data)};
        place(sections, ".pdata", 0x40000040, std::move(data), 0, nextRva);
    }
    if (!blocks_.empty()) {
        image.relocations = nextRva;
        std::vector<std::uint8_t> data = relocationData();
        directories[pe::kBaseRelocationDirectory] = {nextRva, sizeOf(data)};
        place(sections, ".reloc", 0x42000040, std::move(data), 0, nextRva);
    }

    const std::uint32_t optionalSize =
        static_cast<std::uint32_t>(wide ? offsetof(pe::OptionalHeader64, DataDirectory)
                                        : offsetof(pe::OptionalHeader32, DataDirectory)) +
        directoryCount * 8;
    image.ntOffset = kNtOffset;
    image.sectionTableOffset = kNtOffset + pe::kSectionTableBase + optionalSize;
    image.sizeOfImage = nextRva;
    const auto sectionCount = static_cast<std::uint32_t>(sections.size());
    const std::uint32_t sizeOfHeaders =
        alignUp(image.sectionTableOffset + sectionCount * 40, kFileAlignment);

    image.bytes.assign(sizeOfHeaders, 0);
    putAt(image.bytes, 0, pe::kDosMagic);
    putAt(image.bytes, pe::kDosNewHeaderOffset, kNtOffset);
    // The fields both optional headers have, then the one whose size differs.
    const auto fill = [&](auto& nt, std::uint16_t machine, std::uint16_t characteristics,
                          std::uint16_t magic) {
        nt.Signature = pe::kNtSignature;
        nt.FileHeader.Machine = machine;
        nt.FileHeader.NumberOfSections = static_cast<std::uint16_t>(sectionCount);
        nt.FileHeader.SizeOfOptionalHeader = static_cast<std::uint16_t>(optionalSize);
        nt.FileHeader.Characteristics = characteristics;
        auto& optional = nt.OptionalHeader;
        optional.Magic = magic;
        optional.SizeOfInitializedData = sizeOfInitializedData;
        optional.SizeOfUninitializedData = sizeOfUninitializedData;
        optional.AddressOfEntryPoint = entryPoint;
        optional.SectionAlignment = sectionAlignment;
        optional.FileAlignment = kFileAlignment;
        optional.MajorOperatingSystemVersion = 4;
        optional.MajorSubsystemVersion = 4;
        optional.SizeOfImage = nextRva;
        optional.SizeOfHeaders = sizeOfHeaders;
        optional.Subsystem = 2;
        optional.NumberOfRvaAndSizes = directoryCount;
        std::memcpy(optional.DataDirectory, directories, sizeof directories);
    };
    if (wide) {
        pe::NtHeaders64 nt{};
        // DLL, large addresses, executable.
        fill(nt, pe::kMachineAmd64, 0x2022, pe::kOptionalHeaderMagic64);
        nt.OptionalHeader.ImageBase = imageBase;
        putAt(image.bytes, kNtOffset, nt);
    } else {
        pe::NtHeaders32 nt{};
        // DLL, 32-bit machine, executable.
        fill(nt, pe::kMachineI386, 0x2102, pe::kOptionalHeaderMagic32);
        nt.OptionalHeader.ImageBase = static_cast<std::uint32_t>(imageBase);
        putAt(image.bytes, kNtOffset, nt);
    }
    for (std::uint32_t index = 0; index < sectionCount; ++index) {
        const Section& section = sections[index];
        pe::SectionHeader header{};
        std::memcpy(header.Name, section.name.data(),
                    std::min<std::size_t>(section.name.size(), 8));
        header.Misc = section.virtualSize ? section.virtualSize : sizeOf(section.data);
        header.VirtualAddress = section.rva;
        header.SizeOfRawData = alignUp(sizeOf(section.data), kFileAlignment);
        header.PointerToRawData = header.SizeOfRawData ? sizeOf(image.bytes) : 0;
        header.Characteristics = section.characteristics;
        putAt(image.bytes, image.sectionTableOffset + index * sizeof header, header);
        image.sections.push_back({section.rva, header.SizeOfRawData, header.PointerToRawData});
        image.bytes.insert(image.bytes.end(), section.data.begin(), section.data.end());
        image.bytes.resize(alignUp(sizeOf(image.bytes), kFileAlignment));
    }
    return image;
}
