#pragma once
// Handing an address to the user's default handler.

#include "common/value_types.h"

// Asks the shell to open `address` with its default handler, normal window.
void openInDefaultBrowser(const Text& address);

// The same, for an address the caller has checked and made safe to pass on
// (common/stream_address.h); false when the system has no handler for it or
// could not start one.
bool openWithSystem(const Text& address);
