#pragma once
// One request header line, "Name: value", cut at its first colon.

#include <string_view>

#include "common/value_types.h"

// The trimmed part before the first ":"; empty when there is no ":".
Text headerName(std::string_view line);

// The trimmed part after the first ":" (later colons stay); empty when there
// is no ":".
Text headerValue(std::string_view line);
