#include "build_path.h"

std::wstring buildFilePath(const std::string& path) {
    std::wstring windows = L"Z:";
    for (char c : path) {
        windows += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return windows;
}
