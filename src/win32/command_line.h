#pragma once
// What the program was started with.

#include <string>
#include <vector>

// The arguments after the program's own name, as the system splits the
// command line (quotes group blanks).
std::vector<std::wstring> commandLineArguments();

// `path` made absolute against the current folder; as it is when the system
// cannot make it so.
std::wstring fullPath(const std::wstring& path);
