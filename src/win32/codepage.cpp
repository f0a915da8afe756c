// Code-page conversion through the platform, flags 0 unless a caller asks, as
// the program's texts need it: invalid input converts to replacement characters and never fails.
#include "common/codepage.h"

#include <windows.h>

#include <limits>

#include "external_function.h"

namespace {

ExternalFunction<int WINAPI(UINT, DWORD, LPCSTR, int, LPWSTR, int)> multiByteToWideChar{
    "kernel32.dll", "MultiByteToWideChar"};
ExternalFunction<int WINAPI(UINT, DWORD, LPCWSTR, int, LPSTR, int, LPCSTR, LPBOOL)>
    wideCharToMultiByte{"kernel32.dll", "WideCharToMultiByte"};

}  // namespace

namespace codepage {

std::u16string toUtf16(std::string_view bytes, unsigned codePage) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int inLength = static_cast<int>(bytes.size());
    const int outLength = multiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(outLength), u'\0');
    multiByteToWideChar(codePage, 0, bytes.data(), inLength,
                        reinterpret_cast<wchar_t*>(wide.data()), outLength);
    return wide;
}

std::string fromUtf16(std::u16string_view text, unsigned codePage, unsigned flags) {
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const auto* in = reinterpret_cast<const wchar_t*>(text.data());
    const int inLength = static_cast<int>(text.size());
    const int outLength =
        wideCharToMultiByte(codePage, flags, in, inLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(outLength), '\0');
    wideCharToMultiByte(codePage, flags, in, inLength, bytes.data(), outLength, nullptr, nullptr);
    return bytes;
}

}  // namespace codepage
