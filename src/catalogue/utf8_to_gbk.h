#pragma once
// List-service answers arrive as UTF-8; the program's texts are GBK.

#include <string_view>

#include "common/value_types.h"

// `utf8` in code page 936. Invalid UTF-8 still converts (to replacement
// characters), characters GBK lacks become its default character, and the
// result ends at the first zero character.
Text utf8ToGbk(std::string_view utf8);
