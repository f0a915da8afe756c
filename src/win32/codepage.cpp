// Code-page conversion through the platform, flags 0, as the program's texts
// need it: invalid input converts to replacement characters and never fails.
#include "common/codepage.h"

#include <windows.h>

#include <limits>

namespace codepage {

std::u16string toUtf16(std::string_view bytes, unsigned codePage) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int inLength = static_cast<int>(bytes.size());
    const int outLength = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(outLength), u'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), inLength,
                        reinterpret_cast<wchar_t*>(wide.data()), outLength);
    return wide;
}

std::string fromUtf16(std::u16string_view text, unsigned codePage) {
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const auto* in = reinterpret_cast<const wchar_t*>(text.data());
    const int inLength = static_cast<int>(text.size());
    const int outLength =
        WideCharToMultiByte(codePage, 0, in, inLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(codePage, 0, in, inLength, bytes.data(), outLength, nullptr, nullptr);
    return bytes;
}

}  // namespace codepage
