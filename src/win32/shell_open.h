#pragma once
// Handing an address to the user's default handler.

#include "common/value_types.h"

// Asks the shell to open `address` with its default handler, normal window.
void openInDefaultBrowser(const Text& address);
