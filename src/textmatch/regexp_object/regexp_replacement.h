#pragma once
// The replacement text of Replace, with the references of the scripting
// dialect: $1..$99 a group, $& the match, $` the text before it, $' the text
// after it, $$ a dollar sign. Any other dollar sign is itself.

#include <string>
#include <string_view>
#include <vector>

#include "textmatch/engine/regex.h"

namespace regexp {

// Appends `replacement` to `out` for one match of `subject`; captures[0] is
// the whole match.
void appendReplacement(std::u16string& out, std::u16string_view replacement,
                       std::u16string_view subject, const std::vector<regex::Span>& captures);

}  // namespace regexp
