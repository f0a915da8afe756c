// A DLL the system loader loads for images the in-memory loader maps: its
// functions are imported by ordinal.

int __cdecl ordinalAnswer(void) {
    return 0x5EB7;
}

// Where the image whose entry routine refuses the attach was mapped; the
// tests read it back through ordinal 10 after that image has gone.
static void* refused;

void __cdecl noteRefusedBase(void* base) {
    refused = base;
}

void* __cdecl refusedBase(void) {
    return refused;
}
