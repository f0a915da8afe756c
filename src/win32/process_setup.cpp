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

std::wstring programFilePath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

void enterProgramFolder() {
    const std::wstring file = programFilePath();
    const std::size_t cut = file.find_last_of(L'\\');
    if (cut != std::wstring::npos) {
        SetCurrentDirectoryW(file.substr(0, cut).c_str());
    }
}
