#pragma once
// The one conversion point between the program's GBK texts and the UTF-16
// that every W function of Windows takes.

#include <string>
#include <string_view>

#include "common/value_types.h"

std::wstring toWide(std::string_view gbkText);
Text fromWide(std::wstring_view wideText);

// Texts that may hold characters GBK lacks, in UTF-8 and back.
std::string toUtf8(std::wstring_view wideText);
std::wstring fromUtf8(std::string_view utf8Text);
