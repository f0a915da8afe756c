#pragma once
// UTF-8 texts (list-service answers, the window template) in the program's
// GBK.

#include <string_view>

#include "value_types.h"

// `utf8` in code page 936. Invalid UTF-8 still converts (to replacement
// characters), characters GBK lacks become its default character, and the
// result ends at the first zero character.
Text utf8ToGbk(std::string_view utf8);
