#pragma once
// Telling UTF-8 text from text in another encoding.

#include <string_view>

// Whether `text` is well-formed UTF-8: no stray or missing continuation byte,
// no overlong form, no surrogate, nothing beyond U+10FFFF.
bool isUtf8(std::string_view text);
