#include "skin_file.h"

#include <windows.h>

namespace {

constexpr DWORD kLargestSkin = 1 << 20;
constexpr UINT kGbk = 936;
constexpr int kLongestPath = 1024;

// False when the path is not GBK or longer than kLongestPath - 1 characters.
bool toWidePath(const char* gbkPath, wchar_t (&path)[kLongestPath]) {
    return MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbkPath, -1, path, kLongestPath) > 1;
}

}  // namespace

SkinFile::SkinFile(const char* gbkPath) {
    wchar_t path[kLongestPath];
    if (!gbkPath || !toWidePath(gbkPath, path)) {
        return;
    }
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= kLargestSkin) {
        const auto length = static_cast<DWORD>(size.QuadPart);
        data_ = static_cast<std::uint8_t*>(HeapAlloc(GetProcessHeap(), 0, length));
        DWORD read = 0;
        if (data_ && ReadFile(file, data_, length, &read, nullptr) && read == length) {
            size_ = length;
        }
    }
    CloseHandle(file);
}

SkinFile::~SkinFile() {
    if (data_) {
        HeapFree(GetProcessHeap(), 0, data_);
    }
}
