#pragma once
// Data compiled into the program file as resources.

#include <optional>
#include <string_view>

// The bytes of the RCDATA resource `name` of the program file; nullopt when
// the program has no such resource. They live as long as the process.
std::optional<std::string_view> programResource(const wchar_t* name);
