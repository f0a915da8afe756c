#pragma once
// Files of the build machine as the Windows test programs reach them.

#include <string>

// `path` (a path of the build machine) through drive Z:.
std::wstring buildFilePath(const std::string& path);
