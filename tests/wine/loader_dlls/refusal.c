// An image whose entry routine refuses to be attached. Before it refuses, it
// reports where it was mapped through a function imported by ordinal, so the
// tests know which range the loader has to give back.
#include <windows.h>

void __cdecl noteRefusedBase(void* base);

BOOL WINAPI refusalEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        noteRefusedBase(instance);
    }
    return FALSE;
}
