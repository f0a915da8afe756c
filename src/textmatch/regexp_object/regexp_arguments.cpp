#include "regexp_arguments.h"

#include <cmath>

namespace regexp {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool isMember(std::string_view member, std::string_view name) {
    if (member.size() != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < member.size(); ++i) {
        if (lowerAscii(member[i]) != lowerAscii(name[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::u16string> textArgument(const Variant& value) {
    if (value.isEmpty()) {
        return std::u16string();
    }
    if (auto* text = std::get_if<std::u16string>(&value.value)) {
        return *text;
    }
    return std::nullopt;
}

std::optional<bool> boolArgument(const Variant& value) {
    if (auto* flag = std::get_if<bool>(&value.value)) {
        return *flag;
    }
    if (auto* number = std::get_if<std::int32_t>(&value.value)) {
        return *number != 0;
    }
    if (auto* number = std::get_if<double>(&value.value)) {
        return *number != 0;
    }
    return std::nullopt;
}

std::optional<std::int32_t> indexArgument(const Variant& value) {
    if (auto* number = std::get_if<std::int32_t>(&value.value)) {
        return *number;
    }
    if (auto* number = std::get_if<double>(&value.value)) {
        double rounded = std::nearbyint(*number);
        if (rounded >= -2147483648.0 && rounded <= 2147483647.0) {
            return static_cast<std::int32_t>(rounded);
        }
    }
    return std::nullopt;
}

}  // namespace regexp
