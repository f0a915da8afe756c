#pragma once
// UTF-8 texts (list-service answers, the window template, the user's list
// files) in the program's GBK, and the program's texts in UTF-8 for the files
// it writes.

#include <string>
#include <string_view>

#include "value_types.h"

// `utf8` in code page 936. Invalid UTF-8 still converts (to replacement
// characters), characters GBK lacks become its default character, and the
// result ends at the first zero character.
Text utf8ToGbk(std::string_view utf8);

// `gbk` in UTF-8; an invalid GBK byte becomes a replacement character.
std::string gbkToUtf8(std::string_view gbk);
