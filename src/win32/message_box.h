#pragma once
// Modal message boxes with the program's GBK texts.

#include <windows.h>

#include <optional>
#include <string>

#include "common/value_types.h"

// The button a message box was closed with.
enum MessageBoxButton {
    kButtonOk = 0,
    kButtonCancel,
    kButtonAbort,
    kButtonRetry,
    kButtonIgnore,
    kButtonYes,
    kButtonNo
};

// Shows a modal box with MessageBox `flags`; returns the button pressed as a
// MessageBoxButton (-1 for a button outside that list). An omitted caption
// shows the program file's name.
int messageBox(const Text& content, unsigned flags, const std::optional<Text>& caption = {},
               HWND owner = nullptr);
// The same for a content that may hold characters GBK lacks (a path, an
// address).
int messageBoxWide(const std::wstring& content, unsigned flags, const std::optional<Text>& caption,
                   HWND owner);
