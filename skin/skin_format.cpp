#include "skin_format.h"

#include <string_view>

#include "skin_checksum.h"

namespace {

// Reads forward through a byte range; every read checks what is left first.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return position_ == bytes_.size(); }

    std::optional<std::uint32_t> number(std::size_t size) {
        const std::optional<std::span<const std::uint8_t>> field = take(size);
        if (!field) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = size; i > 0; --i) {
            value = (value << 8) | (*field)[i - 1];
        }
        return value;
    }

    std::optional<std::span<const std::uint8_t>> take(std::size_t size) {
        if (size > bytes_.size() - position_) {
            return std::nullopt;
        }
        const std::span<const std::uint8_t> field = bytes_.subspan(position_, size);
        position_ += size;
        return field;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

std::optional<std::size_t> colourIndex(std::span<const std::uint8_t> key) {
    const std::string_view name(reinterpret_cast<const char*>(key.data()), key.size());
    for (std::size_t index = 0; index < kSkinColourCount; ++index) {
        if (kSkinColourKeys[index] == name) {
            return index;
        }
    }
    return std::nullopt;
}

// The entries of a body whose size and checksum are already right.
std::optional<SkinTheme> parseEntries(std::span<const std::uint8_t> body, std::uint32_t count) {
    SkinTheme theme;
    std::array<bool, kSkinColourCount> seen{};
    ByteReader reader(body);
    for (std::uint32_t entry = 0; entry < count; ++entry) {
        const std::optional<std::uint32_t> keyLength = reader.number(1);
        if (!keyLength || *keyLength == 0) {
            return std::nullopt;
        }
        const auto key = reader.take(*keyLength);
        const std::optional<std::uint32_t> valueLength = reader.number(1);
        if (!key || !valueLength) {
            return std::nullopt;
        }
        const auto value = reader.take(*valueLength);
        if (!value) {
            return std::nullopt;
        }
        const std::optional<std::size_t> index = colourIndex(*key);
        if (!index) {
            continue;
        }
        if (seen[*index] || value->size() != 3) {
            return std::nullopt;
        }
        seen[*index] = true;
        theme.colours[*index] = (*value)[0] | ((*value)[1] << 8) | ((*value)[2] << 16);
    }
    if (!reader.atEnd()) {
        return std::nullopt;
    }
    for (const bool present : seen) {
        if (!present) {
            return std::nullopt;
        }
    }
    return theme;
}

}  // namespace

std::optional<SkinTheme> parseSkin(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    const auto magic = reader.take(4);
    if (!magic || std::string_view(reinterpret_cast<const char*>(magic->data()), 4) != ".SHE") {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> version = reader.number(2);
    const std::optional<std::uint32_t> count = reader.number(2);
    const std::optional<std::uint32_t> bodySize = reader.number(4);
    const std::optional<std::uint32_t> checksum = reader.number(4);
    if (!version || !count || !bodySize || !checksum || *version != kSkinFormatVersion ||
        *bodySize != bytes.size() - kSkinHeaderSize) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> body = bytes.subspan(kSkinHeaderSize);
    if (skinChecksum(body) != *checksum) {
        return std::nullopt;
    }
    return parseEntries(body, *count);
}
