#include "command_line.h"

#include <windows.h>

#include <shellapi.h>

std::vector<std::wstring> commandLineArguments() {
    std::vector<std::wstring> arguments;
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!split) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.emplace_back(split[i]);
    }
    LocalFree(split);
    return arguments;
}

std::wstring fullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return path;
    }
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (written == 0 || written >= size) {
        return path;
    }
    full.resize(written);
    return full;
}
