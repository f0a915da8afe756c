#pragma once
// Telling web addresses from other texts before handing one to the shell,
// which would otherwise start a program named by a local path.

#include <string_view>

// True for an address of the http or https scheme (any letter case) with
// something after the "//".
bool isWebAddress(std::string_view address);
