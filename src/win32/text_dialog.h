#pragma once
// A small modal dialog that asks for one line of text: a prompt, an edit
// field, OK and Cancel.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "common/value_types.h"

// Shows the dialog over `owner` with `initial` in the field, selected. OK
// hands the text to `accept`; the dialog closes when it answers true and
// stays open otherwise (`accept` says why, in a box of its own). The accepted
// text, or nothing when the dialog was cancelled.
std::optional<std::wstring> askForText(HWND owner, const Text& title, const Text& prompt,
                                       const std::wstring& initial,
                                       const std::function<bool(const std::wstring&)>& accept);
