#pragma once
// The web-browser view: a child window that shows the page at its address.
// Its window text is always its current address, so that accessibility and
// automation tools read the address like any control's text.

#include <windows.h>

#include <string>

#include "child_place.h"
#include "common/value_types.h"

// Creates a view at `place`. A disabled view lets no mouse, keyboard or
// focus reach the page.
HWND createBrowserView(const ChildPlace& place);

// Writing the address navigates. An address without a scheme ("host/path")
// is taken as a web address; the empty address is a blank page.
void setBrowserAddress(HWND view, const Text& address);
// The same for an address that may hold characters GBK lacks. Characters
// outside ASCII travel as their UTF-8 bytes, percent-encoded.
void setBrowserAddressWide(HWND view, const std::wstring& address);

// The current address: the one last written, until the browser arrives
// somewhere and reports its own.
Text browserAddress(HWND view);
