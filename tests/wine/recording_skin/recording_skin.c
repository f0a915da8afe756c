/* A stand-in for the skinning library that records every call it gets. */
#include <windows.h>

#include <string.h>

#include "skin_call_log.h"

static HANDLE mapping;
static struct SkinCallLog* calls;

static void record(const char* name, uint32_t count, const uint32_t* arguments, int firstIsText) {
    if (!calls || calls->count >= SKIN_CALL_LOG_CAPACITY) {
        return;
    }
    struct SkinCall* call = &calls->calls[calls->count++];
    strncpy(call->name, name, sizeof call->name - 1);
    call->count = count;
    memcpy(call->arguments, arguments, count * sizeof *arguments);
    if (firstIsText && arguments[0]) {
        strncpy(call->firstText, (const char*)(uintptr_t)arguments[0], sizeof call->firstText - 1);
    }
}

#define EXPORT __declspec(dllexport) uint32_t __stdcall
#define RECORD(first_is_text, ...)                                                        \
    do {                                                                                  \
        const uint32_t arguments[] = {__VA_ARGS__};                                       \
        record(__func__, sizeof arguments / sizeof *arguments, arguments, first_is_text); \
    } while (0)

EXPORT SkinH_AttachEx(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    RECORD(1, a, b, c, d);
    return 11;
}
EXPORT SkinH_AttachRes(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e, uint32_t f) {
    RECORD(0, a, b, c, d, e, f);
    return 12;
}
EXPORT SkinH_AttachResEx(uint32_t a, uint32_t b) {
    RECORD(1, a, b);
    return 13;
}
EXPORT SkinH_SetTitleMenuBar(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e) {
    RECORD(0, a, b, c, d, e);
    return 14;
}
EXPORT SkinH_SetForeColor(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    RECORD(0, a, b, c, d);
    return 15;
}
EXPORT SkinH_SetBackColor(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    RECORD(0, a, b, c, d);
    return 16;
}
EXPORT SkinH_SetAero(uint32_t a) {
    RECORD(0, a);
    return 17;
}
EXPORT SkinH_SetMenuAlpha(uint32_t a) {
    RECORD(0, a);
    return 18;
}
EXPORT SkinH_NineBlt(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e, uint32_t f) {
    RECORD(0, a, b, c, d, e, f);
    return 19;
}
EXPORT SkinH_SetWindowMovable(uint32_t a, uint32_t b) {
    RECORD(0, a, b);
    return 20;
}
EXPORT SkinH_LockUpdate(uint32_t a, uint32_t b) {
    RECORD(0, a, b);
    return 21;
}
EXPORT SkinH_Map(uint32_t a, uint32_t b) {
    RECORD(0, a, b);
    return 22;
}
EXPORT SkinH_GetColor(uint32_t a, uint32_t b, uint32_t c) {
    RECORD(0, a, b, c);
    return 23;
}
EXPORT SkinH_SetWindowAlpha(uint32_t a, uint32_t b) {
    RECORD(0, a, b);
    return 24;
}
EXPORT SkinH_DetachEx(uint32_t a) {
    RECORD(0, a);
    return 25;
}
EXPORT SkinH_Attach(void) {
    record(__func__, 0, NULL, 0);
    return 26;
}
EXPORT SkinH_Detach(void) {
    record(__func__, 0, NULL, 0);
    return 27;
}
EXPORT SkinH_AdjustAero(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e, uint32_t f,
                        uint32_t g, uint32_t h, uint32_t i) {
    RECORD(0, a, b, c, d, e, f, g, h, i);
    return 28;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, SKIN_CALL_LOG_NAME);
        calls = mapping ? MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0) : NULL;
    } else if (reason == DLL_PROCESS_DETACH && calls) {
        record("detach notification", 0, NULL, 0);
        UnmapViewOfFile(calls);
        CloseHandle(mapping);
        calls = NULL;
    }
    return TRUE;
}
