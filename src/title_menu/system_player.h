#pragma once
// Playing a title in the system's own player or browser, for a stream the
// embedded player cannot play.

#include "common/value_types.h"

// Hands `address` to the system's default handler when it is a web or
// streaming address; anything else (a file, a path, a command, a script
// address, an empty cell) is refused with a short message and nothing is
// started. True when a handler was started.
bool openInSystemPlayer(const Text& address);
