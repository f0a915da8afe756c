#include "shell_open.h"

#include <windows.h>

#include <shellapi.h>

#include "wide_text.h"

void openInDefaultBrowser(const Text& address) {
    ShellExecuteW(nullptr, L"open", toWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
