// The library's entry point. It is linked without the C runtime's start-up
// code, which would bring a TLS directory and the runtime's own state along:
// the library has no constructors to run, and the program's loader calls this
// directly. Nothing is set up or torn down here; SkinH_Detach does the work
// before the library is unloaded.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
