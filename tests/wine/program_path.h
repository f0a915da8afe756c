#pragma once
// The program file of the build, as a Windows path through drive Z:.

#include <string>

std::wstring programPath();
