#pragma once
// The program file of the build, as a Windows path through drive Z:.

#include <string>

std::wstring programPath();

// A file of the build machine (`path`), as Windows reaches it through Z:.
std::wstring buildFilePath(const std::string& path);
