// An image without an entry routine (AddressOfEntryPoint 0) whose two exports
// differ only in letter case.

int __cdecl Value(void) {
    return 0x7A1E;
}

int __cdecl value(void) {
    return 0x7A1F;
}
