#include <algorithm>

#include "text.h"

namespace gbk {

std::int32_t length(std::string_view text) {
    return static_cast<std::int32_t>(text.size());
}

Text left(std::string_view text, std::int32_t n) {
    if (n <= 0) {
        return {};
    }
    return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text right(std::string_view text, std::int32_t n) {
    if (n <= 0) {
        return {};
    }
    const std::size_t kept = std::min(static_cast<std::size_t>(n), text.size());
    return Text(text.substr(text.size() - kept));
}

Text middle(std::string_view text, std::int32_t start, std::int32_t n) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size() || n <= 0) {
        return {};
    }
    return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

Text blanks(std::int32_t n) {
    return n < 1 ? Text() : Text(static_cast<std::size_t>(n), ' ');
}

Text character(int code) {
    const auto byte = static_cast<char>(code & 0xFF);
    return byte == '\0' ? Text() : Text(1, byte);
}

}  // namespace gbk
