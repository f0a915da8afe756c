// Loads one DLL file with the system's loader, in a process of its own, so
// that whatever that does to the process stays there:
//   system_load_probe PATH [BASE SIZE]
// [BASE, BASE + SIZE) (hexadecimal) is reserved first, so that the image
// cannot be mapped at its preferred base there. The exit code holds the bits
// of system_load_probe.h.
#include "system_load_probe.h"

#include <cwchar>

namespace {

LONG WINAPI endFaulted(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), kSystemFaulted);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 4) {
        return kProbeFailed;
    }
    // No error box and no debugger: a fault ends the probe with its own code.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(endFaulted);
    if (argc == 4) {
        void* base = reinterpret_cast<void*>(std::wcstoull(argv[2], nullptr, 16));
        if (VirtualAlloc(base, std::wcstoul(argv[3], nullptr, 16), MEM_RESERVE, PAGE_NOACCESS) !=
            base) {
            return kProbeFailed;
        }
    }
    // Where the refusal DLL's entry routine notes its base; the images the
    // probe loads import it by this name.
    HMODULE ordinals = LoadLibraryW(L"loader_ordinals.dll");
    const auto refusedBase = reinterpret_cast<void* (*)()>(
        reinterpret_cast<void*>(GetProcAddress(ordinals, MAKEINTRESOURCEA(10))));
    if (!refusedBase) {
        return kProbeFailed;
    }
    const HMODULE module = LoadLibraryW(argv[1]);
    return static_cast<int>((module ? kSystemLoaded : 0) | (refusedBase() ? kEntryRan : 0));
}
