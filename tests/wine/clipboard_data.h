#pragma once
// Reading the clipboard back in tests.

#include <windows.h>

#include <string>

// The clipboard's data in `format` as characters up to its terminator; empty
// when the clipboard holds none.
template <class Char>
std::basic_string<Char> clipboardData(UINT format) {
    std::basic_string<Char> data;
    if (!OpenClipboard(nullptr)) {
        return data;
    }
    if (HANDLE block = GetClipboardData(format)) {
        if (const auto* text = static_cast<const Char*>(GlobalLock(block))) {
            data = text;
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return data;
}
