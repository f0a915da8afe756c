#include "variant.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "codepage.h"

Variant textValue(const Text& text) {
    return Variant(codepage::toUtf16(text, codepage::kGbk));
}

namespace {

std::int32_t truncateToInt32(double number) {
    if (!(number > std::numeric_limits<std::int32_t>::min() - 1.0) ||
        !(number < std::numeric_limits<std::int32_t>::max() + 1.0)) {
        return 0;  // NaN or out of range: not a 32-bit integer
    }
    return static_cast<std::int32_t>(std::trunc(number));
}

Text decimal(double number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", number);
    return buffer;
}

}  // namespace

Text asText(const Variant& v) {
    if (auto* text = std::get_if<std::u16string>(&v.value)) {
        return codepage::fromUtf16(*text, codepage::kGbk);
    }
    if (auto* number = std::get_if<std::int32_t>(&v.value)) {
        return std::to_string(*number);
    }
    if (auto* number = std::get_if<double>(&v.value)) {
        return decimal(*number);
    }
    if (auto* flag = std::get_if<bool>(&v.value)) {
        return *flag ? "1" : "0";
    }
    if (auto* bytes = std::get_if<Bytes>(&v.value)) {
        Text text(bytes->begin(), bytes->end());
        return text.substr(0, text.find('\0'));
    }
    return {};
}

std::int32_t asInteger(const Variant& v) {
    if (auto* number = std::get_if<std::int32_t>(&v.value)) {
        return *number;
    }
    if (auto* number = std::get_if<double>(&v.value)) {
        return truncateToInt32(*number);
    }
    if (auto* flag = std::get_if<bool>(&v.value)) {
        return *flag ? 1 : 0;
    }
    return 0;
}

bool asBool(const Variant& v) {
    if (auto* flag = std::get_if<bool>(&v.value)) {
        return *flag;
    }
    return asInteger(v) != 0;
}

ObjectRef asObject(const Variant& v) {
    if (auto* object = std::get_if<ObjectRef>(&v.value)) {
        return *object;
    }
    return nullptr;
}

Bytes asBytes(const Variant& v) {
    if (auto* bytes = std::get_if<Bytes>(&v.value)) {
        return *bytes;
    }
    return {};
}
