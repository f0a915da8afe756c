#include "shell_open.h"

#include <shellapi.h>
#include <windows.h>

#include "wide_text.h"

void openInDefaultBrowser(const Text& address) {
    ShellExecuteW(nullptr, L"open", toWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
