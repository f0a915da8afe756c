#include "user_folder.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace {

std::wstring environmentVariable(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

std::wstring roamingAppDataFolder() {
    std::wstring folder = environmentVariable(L"APPDATA");
    if (!folder.empty()) {
        return folder;
    }
    PWSTR known = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) {
        folder = known;
    }
    CoTaskMemFree(known);
    return folder;
}

}  // namespace

std::wstring userFolder() {
    std::wstring folder = roamingAppDataFolder();
    if (folder.empty()) {
        return folder;
    }
    if (folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder + L"Nuvri";
}

bool makeUserFolder() {
    const std::wstring folder = userFolder();
    if (folder.empty()) {
        return false;
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring userFilePath(std::string_view name) {
    const std::wstring folder = userFolder();
    if (folder.empty()) {
        return folder;
    }
    return folder + L'\\' + std::wstring(name.begin(), name.end());
}
