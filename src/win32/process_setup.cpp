#include "process_setup.h"

#include <windows.h>

#include <ole2.h>

#include <string>

#include "external_function.h"

namespace {
ExternalFunction<HRESULT WINAPI(LPVOID)> oleInitialize{"ole32.dll", "OleInitialize"};
ExternalFunction<void WINAPI()> oleUninitialize{"ole32.dll", "OleUninitialize"};
}  // namespace

OleSession::OleSession() : initialised_(SUCCEEDED(oleInitialize(nullptr))) {}

OleSession::~OleSession() {
    if (initialised_) {
        oleUninitialize();
    }
}

std::wstring moduleFilePath(HMODULE module) {
    // A path that does not fit is cut to the buffer, which is then full: grow
    // it up to the longest path the system has (32,767 characters).
    for (DWORD size = MAX_PATH; size <= 0x10000; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = GetModuleFileNameW(module, path.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
    return {};
}

std::wstring programFilePath() {
    return moduleFilePath(nullptr);
}

bool enterFolderOf(const std::wstring& file) {
    const std::size_t cut = file.find_last_of(L'\\');
    if (cut == std::wstring::npos) {
        return false;
    }
    // "C:" alone would name the drive's current directory, not its root.
    std::wstring folder = file.substr(0, cut);
    if (!folder.empty() && folder.back() == L':') {
        folder += L'\\';
    }
    return SetCurrentDirectoryW(folder.c_str());
}

void enterProgramFolder() {
    enterFolderOf(programFilePath());
}
