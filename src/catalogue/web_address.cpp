#include "web_address.h"

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

}  // namespace

bool isWebAddress(std::string_view address) {
    for (std::string_view scheme : {"http://", "https://"}) {
        if (address.size() > scheme.size() && startsWithFolded(address, scheme)) {
            return true;
        }
    }
    return false;
}
