#include "shell_open.h"

#include <windows.h>

#include <shellapi.h>

#include "wide_text.h"

void openInDefaultBrowser(const Text& address) {
    openWithSystem(address);
}

bool openWithSystem(const Text& address) {
    // ShellExecute's result is an error number up to 32, anything above on success.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", toWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
