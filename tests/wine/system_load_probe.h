#pragma once
// What system_load_probe and the tests that run it share: the bits of its
// exit code, which tell what the system's loader made of one DLL file.

#include <windows.h>

// The system returned a module.
constexpr DWORD kSystemLoaded = 1;
// The refusal DLL's entry routine ran (loader_ordinals.dll holds its base).
constexpr DWORD kEntryRan = 2;
// The system's loader faulted on the image; nothing else is known.
constexpr DWORD kSystemFaulted = 0x10;
// The probe could not set itself up.
constexpr DWORD kProbeFailed = 0x20;
