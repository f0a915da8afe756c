// findExport: a linear, case-sensitive search of the export names; the
// matching name's ordinal entry indexes the function addresses. Every read
// stays inside the image (SizeOfImage of the loaded headers) and inside
// memory that is readable after the sections were finalised. A function
// address inside the export directory is a forwarder's text, which names the
// function of another library.
#include <algorithm>
#include <cstring>

#include "memory_image_steps.h"

namespace {

// The longest library name a forwarder may give, with ".dll" added and the
// terminator (the system's limit).
constexpr std::size_t kLibraryNameSize = 256;

// The ordinal of a forwarder's "#123": decimal digits only, 1 to 65535; 0
// for anything else.
std::uint16_t forwardedOrdinal(const char* digits) {
    std::uint32_t value = 0;
    for (const char* digit = digits; *digit; ++digit) {
        if (*digit < '0' || *digit > '9' || value > 0xFFFF) {
            return 0;
        }
        value = value * 10 + static_cast<std::uint32_t>(*digit - '0');
    }
    return value <= 0xFFFF ? static_cast<std::uint16_t>(value) : 0;
}

// The function the zero-terminated forwarder `text` names: "LIBRARY.Name" or
// "LIBRARY.#ordinal", split at the last dot and ".dll" added to a library
// name without one, as the system's loader reads it. The library is loaded
// and kept by the image (a reference the image already holds is given back);
// null, with the library freed, when the function is not found.
void* forwardedFunction(MemoryImage& image, const char* text, ImageServices& services) {
    const char* dot = std::strrchr(text, '.');
    if (!dot || dot == text || dot[1] == '\0') {
        return nullptr;
    }
    const auto length = static_cast<std::size_t>(dot - text);
    const bool extension = std::find(text, dot, '.') != dot;
    char library[kLibraryNameSize];
    if (length + (extension ? 0 : 4) >= sizeof library) {
        return nullptr;
    }
    std::memcpy(library, text, length);
    std::strcpy(library + length, extension ? "" : ".dll");
    const char* function = dot + 1;
    if (*function == '#') {
        const std::uint16_t ordinal = forwardedOrdinal(function + 1);
        if (ordinal == 0) {
            return nullptr;
        }
        function = reinterpret_cast<const char*>(std::uintptr_t{ordinal});
    }
    void* module = services.loadLibrary(library);
    if (!module) {
        return nullptr;
    }
    void* address = services.procAddress(module, function);
    void** const held = image.modules + image.moduleCount;
    if (address && std::find(image.modules, held, module) != held) {
        services.freeLibrary(module);
        return address;
    }
    if (!address || !keepModule(image, module, services)) {
        services.freeLibrary(module);
        return nullptr;
    }
    return address;
}

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

    // The zero-terminated text at `offset` when it ends before `end`; null
    // otherwise.
    const char* textBefore(std::uint64_t offset, std::uint64_t end) const {
        if (offset >= end || !readable(offset, end - offset)) {
            return nullptr;
        }
        const auto* text = base_ + offset;
        return std::memchr(text, 0, static_cast<std::size_t>(end - offset))
                   ? reinterpret_cast<const char*>(text)
                   : nullptr;
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

void* findExport(MemoryImage* image, const char* name, ImageServices& services) {
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
        const std::uint64_t directoryEnd = std::uint64_t{directory.VirtualAddress} + directory.Size;
        if (function < directory.VirtualAddress || function >= directoryEnd) {
            return imageBytes(*image) + function;
        }
        const char* forwarder = bytes.textBefore(function, directoryEnd);
        return forwarder ? forwardedFunction(*image, forwarder, services) : nullptr;
    }
    return nullptr;
}
