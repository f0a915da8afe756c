// findExport: a linear, case-sensitive search of the export names; the
// matching name's ordinal entry indexes the function addresses. Every read
// stays inside the image (SizeOfImage of the loaded headers) and inside
// memory that is readable after the sections were finalised.
#include <cstring>

#include "memory_image_steps.h"

namespace {

class ReadableImage {
  public:
    ReadableImage(const MemoryImage& image, std::uint32_t size, ImageServices& services)
        : base_(imageBytes(image)), size_(size), services_(services) {}

    bool readable(std::uint64_t offset, std::uint64_t count) const {
        return fitsInside(offset, count, size_) &&
               !services_.isBadReadPtr(base_ + offset, static_cast<std::uint32_t>(count));
    }

    // The T at `offset` of a range found readable before.
    template <class T>
    T at(std::uint64_t offset) const {
        T value;
        std::memcpy(&value, base_ + offset, sizeof value);
        return value;
    }

    template <class T>
    bool read(std::uint64_t offset, T& value) const {
        if (!readable(offset, sizeof value)) {
            return false;
        }
        value = at<T>(offset);
        return true;
    }

    // True when the text at `offset` is `name` with its terminator; only as
    // many bytes as that takes are read.
    bool holdsText(std::uint64_t offset, const char* name, std::size_t count) const {
        const std::uint64_t available = offset < size_ ? size_ - offset : 0;
        const std::uint64_t compared = count < available ? count : available;
        return compared == count && readable(offset, compared) &&
               std::memcmp(base_ + offset, name, count) == 0;
    }

  private:
    const std::uint8_t* base_;
    std::uint32_t size_;
    ImageServices& services_;
};

}  // namespace

void* findExport(const MemoryImage* image, const char* name, ImageServices& services) {
    if (!image) {
        return nullptr;
    }
    const ImageHeaders headers = loadedHeaders(*image);
    const pe::DataDirectory directory = headers.directories[pe::kExportDirectory];
    const ReadableImage bytes(*image, headers.sizeOfImage, services);
    pe::ExportDirectory exports;
    if (directory.Size == 0 || !bytes.read(directory.VirtualAddress, exports) ||
        exports.NumberOfNames == 0 || exports.NumberOfFunctions == 0 ||
        !bytes.readable(exports.AddressOfNames, std::uint64_t{exports.NumberOfNames} * 4) ||
        !bytes.readable(exports.AddressOfNameOrdinals, std::uint64_t{exports.NumberOfNames} * 2)) {
        return nullptr;
    }
    const std::size_t nameSize = std::strlen(name) + 1;
    for (std::uint64_t index = 0; index < exports.NumberOfNames; ++index) {
        const auto nameAddress = bytes.at<std::uint32_t>(exports.AddressOfNames + index * 4);
        if (!bytes.holdsText(nameAddress, name, nameSize)) {
            continue;
        }
        const auto ordinal = bytes.at<std::uint16_t>(exports.AddressOfNameOrdinals + index * 2);
        std::uint32_t function;
        if (ordinal >= exports.NumberOfFunctions ||
            !bytes.read(exports.AddressOfFunctions + std::uint64_t{ordinal} * 4, function) ||
            function >= headers.sizeOfImage) {
            return nullptr;
        }
        return imageBytes(*image) + function;
    }
    return nullptr;
}
