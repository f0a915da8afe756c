#pragma once
// The clipboard as text.

#include "common/value_types.h"

// Places `text` on the clipboard as plain ANSI text (CF_TEXT, GBK bytes) and,
// beside it, as Unicode text converted from code page 936, so that it pastes
// correctly into any program whatever the system's code page. True when the
// clipboard took it.
bool toClipboard(const Text& text);
