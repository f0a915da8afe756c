#include "utf16_bytes.h"

#include <cstring>

#include "common/codepage.h"

namespace {
// The platform's "composite check" conversion flag.
constexpr unsigned kCompositeCheck = 0x200;
}  // namespace

Bytes gbkToUtf16(const Text& text, bool dropTerminator) {
    if (text.empty()) {
        return {};
    }
    const std::u16string wide = codepage::toUtf16(text, codepage::kGbk);
    Bytes bytes((wide.size() + (dropTerminator ? 0 : 1)) * 2, 0);
    std::memcpy(bytes.data(), wide.data(), wide.size() * 2);
    return bytes;
}

Text utf16ToGbk(const Bytes& bytes) {
    std::u16string wide(bytes.size() / 2, u'\0');
    if (!wide.empty()) {
        std::memcpy(wide.data(), bytes.data(), wide.size() * 2);
    }
    wide.resize(std::u16string_view(wide.c_str()).size());
    return codepage::fromUtf16(wide, codepage::kGbk, kCompositeCheck);
}
