#include "window_text.h"

#include <string>

#include "wide_text.h"

void setWindowTitle(HWND window, const Text& title) {
    setWindowTitleWide(window, toWide(title));
}

void setWindowTitleWide(HWND window, const std::wstring& title) {
    SetWindowTextW(window, title.c_str());
}

Text windowTitle(HWND window) {
    return fromWide(wideWindowText(window));
}

std::wstring wideWindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
