#include "web_address.h"

#include "common/address_encoding.h"

namespace {

// `text` begins with `prefix`, ASCII letters compared without case.
bool startsWithFolded(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool hasSchemeOf(std::string_view address, std::initializer_list<std::string_view> schemes) {
    for (std::string_view scheme : schemes) {
        if (address.size() > scheme.size() && startsWithFolded(address, scheme)) {
            return true;
        }
    }
    return false;
}

bool breaksCommandLine(unsigned char c) {
    return c <= 0x20 || c == 0x7F ||
           std::string_view("\"<>\\^`{|}").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

bool isWebAddress(std::string_view address) {
    return hasSchemeOf(address, {"http://", "https://"});
}

bool isStreamAddress(std::string_view address) {
    if (!hasSchemeOf(address,
                     {"http://", "https://", "rtmp://", "rtmps://", "rtsp://", "mms://"})) {
        return false;
    }
    // A host must follow: "http:///C:/a.exe" names a file to some handlers.
    const char first = address[address.find("://") + 3];
    return first != '/' && first != '\\';
}

Text addressForSystem(std::string_view address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    Text safe;
    for (const char byte : percentEncodeNonAscii(address)) {
        const auto value = static_cast<unsigned char>(byte);
        if (breaksCommandLine(value)) {
            safe += '%';
            safe += kHex[value >> 4];
            safe += kHex[value & 0x0F];
        } else {
            safe += byte;
        }
    }
    return safe;
}
