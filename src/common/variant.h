#pragma once
// The value that crosses into and out of late-bound automation objects.
// Texts cross as UTF-16; the program's GBK texts are converted at this edge
// with code page 936 (textValue, asText).

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "value_types.h"

class AutomationObject;
using ObjectRef = std::shared_ptr<AutomationObject>;

struct Variant {
    using Value =
        std::variant<std::monostate, std::int32_t, double, bool, std::u16string, Bytes, ObjectRef>;

    Variant() = default;
    Variant(std::int32_t number) : value(number) {}
    Variant(double number) : value(number) {}
    Variant(bool flag) : value(flag) {}
    Variant(std::u16string text) : value(std::move(text)) {}
    Variant(const char16_t* text) : value(std::u16string(text)) {}
    Variant(Bytes bytes) : value(std::move(bytes)) {}
    Variant(ObjectRef object) : value(std::move(object)) {}
    // A narrow literal is a GBK text: say textValue(...) so it is converted.
    Variant(const char*) = delete;

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value); }

    Value value;
};

// A GBK text as a UTF-16 variant.
Variant textValue(const Text& text);

// Readers used by the program: a value of another kind converts where that
// makes sense and otherwise yields 0, the empty text or an empty object.
Text asText(const Variant& v);             // numbers in decimal, bytes to first zero
std::int32_t asInteger(const Variant& v);  // numbers truncated toward zero
bool asBool(const Variant& v);
ObjectRef asObject(const Variant& v);
Bytes asBytes(const Variant& v);
