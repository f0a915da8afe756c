#include "program_path.h"

std::wstring programPath() {
    std::string path = NUVRI_PROGRAM;  // a path of the build machine, reached through drive Z:
    std::wstring windows = L"Z:";
    for (char c : path) {
        windows += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return windows;
}
