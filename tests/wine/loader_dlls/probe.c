// The loader tests' main image. It holds absolute pointers for the relocation
// checks, an uninitialized buffer (a section without file data), a function
// imported by ordinal, code, read-only and writable data, functions of 0, 1,
// 3 and 15 arguments in both calling conventions, and an entry routine that
// logs the notifications it receives.
#include <windows.h>

int __cdecl ordinalAnswer(void);

// Three pointers in the data page: a page with an odd number of fixups gets
// its relocation block padded with a type-0 entry.
static const int probeConstants[3] = {11, 22, 33};
const int* probeTable[3] = {&probeConstants[0], &probeConstants[1], &probeConstants[2]};
int probeCounter = 41;

static unsigned char probeScratch[2048];

// The entry routine writes these, so they are kept out of the uninitialized
// section the tests expect to find all zero.
__attribute__((section(".data"))) static unsigned* reasonLog;
__attribute__((section(".data"))) static void* attachInstance;
// Where the last of the calling-convention functions found its frame.
__attribute__((section(".data"))) uintptr_t probeStackMark;

BOOL WINAPI probeEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        attachInstance = instance;
    }
    // reasonLog[0] counts the notifications that follow it.
    if (reasonLog && reasonLog[0] < 15) {
        reasonLog[++reasonLog[0]] = reason;
    }
    return TRUE;
}

void __cdecl probeWatchReasons(unsigned* log) {
    reasonLog = log;
}

void* __cdecl probeAttachInstance(void) {
    return attachInstance;
}

int* __cdecl probeCounterAddress(void) {
    return &probeCounter;
}

int __cdecl probeReadThroughTable(int index) {
    return *probeTable[index];
}

int __cdecl probeAskOrdinal(void) {
    return ordinalAnswer() + 1;
}

unsigned __cdecl probeFillScratch(unsigned first) {
    unsigned sum = 0;
    for (unsigned i = 0; i < sizeof probeScratch; ++i) {
        probeScratch[i] = (unsigned char)(first + i);
    }
    for (unsigned i = 0; i < sizeof probeScratch; ++i) {
        sum += probeScratch[i];
    }
    return sum;
}

// Each calling-convention function notes its own frame: called again from
// the same place, it finds the same frame unless the stack has drifted.
#define MARK_STACK() (probeStackMark = (uintptr_t)__builtin_frame_address(0))

// The calling-convention functions fold their arguments in order, so a
// swapped or missing argument changes the result.
static unsigned fold(unsigned start, const unsigned* values, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
        start = start * 33u + values[i];
    }
    return start;
}

#define ARGS15                                                                                 \
    unsigned a1, unsigned a2, unsigned a3, unsigned a4, unsigned a5, unsigned a6, unsigned a7, \
        unsigned a8, unsigned a9, unsigned a10, unsigned a11, unsigned a12, unsigned a13,      \
        unsigned a14, unsigned a15
#define VALUES15 \
    { a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15 }

unsigned __cdecl probeCdecl0(void) {
    MARK_STACK();
    return fold(7, 0, 0);
}

unsigned __cdecl probeCdecl1(unsigned a1) {
    MARK_STACK();
    const unsigned values[] = {a1};
    return fold(7, values, 1);
}

unsigned __cdecl probeCdecl3(unsigned a1, unsigned a2, unsigned a3) {
    MARK_STACK();
    const unsigned values[] = {a1, a2, a3};
    return fold(7, values, 3);
}

unsigned __cdecl probeCdecl15(ARGS15) {
    MARK_STACK();
    const unsigned values[] = VALUES15;
    return fold(7, values, 15);
}

unsigned __stdcall probeStdcall0(void) {
    MARK_STACK();
    return fold(5, 0, 0);
}

unsigned __stdcall probeStdcall1(unsigned a1) {
    MARK_STACK();
    const unsigned values[] = {a1};
    return fold(5, values, 1);
}

unsigned __stdcall probeStdcall3(unsigned a1, unsigned a2, unsigned a3) {
    MARK_STACK();
    const unsigned values[] = {a1, a2, a3};
    return fold(5, values, 3);
}

unsigned __stdcall probeStdcall15(ARGS15) {
    MARK_STACK();
    const unsigned values[] = VALUES15;
    return fold(5, values, 15);
}

// Calls `callback` from a frame of its own. In the 64-bit build an exception
// thrown by the callback unwinds through this frame only by the image's
// exception table.
unsigned __cdecl probeCallBack(unsigned (*callback)(unsigned), unsigned value) {
    volatile unsigned kept[4] = {value, value + 1, value + 2, value + 3};
    return callback(kept[0] + kept[3]) + kept[1];
}
