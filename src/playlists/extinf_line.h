#pragma once
// What an "#EXTINF:" line says of the entry whose address follows it.

#include <string_view>

struct ExtinfLine {
    std::u16string_view title;  // trimmed; empty when the line gives none
    std::u16string_view group;  // its group-title attribute, trimmed; may be empty
};

// `text` is what follows "#EXTINF:": a duration, attributes (name="value",
// where a quoted value may hold blanks and commas), then a comma and the
// title. The views point into `text`.
ExtinfLine readExtinf(std::u16string_view text);
