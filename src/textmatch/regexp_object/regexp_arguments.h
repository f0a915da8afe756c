#pragma once
// How the built-in regular-expression objects read member names and argument
// values, following the system object: names in any letter case, values
// converted where the system object would convert them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/variant.h"

namespace regexp {

// Dispatch looks names up without regard to letter case.
bool isMember(std::string_view member, std::string_view name);

// A text; Empty counts as the empty text. nullopt for any other kind.
std::optional<std::u16string> textArgument(const Variant& value);
// A truth value from a boolean or a number.
std::optional<bool> boolArgument(const Variant& value);
// A collection index from a number, rounded as automation rounds (to even).
std::optional<std::int32_t> indexArgument(const Variant& value);

}  // namespace regexp
