#pragma once
// The clipboard as text.

#include <string>

#include "common/value_types.h"

// Places `text` on the clipboard as plain ANSI text (CF_TEXT, GBK bytes) and,
// beside it, as Unicode text converted from code page 936, so that it pastes
// correctly into any program whatever the system's code page. True when the
// clipboard took it.
bool toClipboard(const Text& text);
// The same for a text that may hold characters GBK lacks: the Unicode text
// holds it whole, the GBK text as near as GBK comes.
bool toClipboardWide(const std::wstring& text);
