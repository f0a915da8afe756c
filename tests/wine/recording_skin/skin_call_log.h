#pragma once
// The calls the recording skin library saw, in a named shared memory block
// that the test opens before loading the library and keeps after unloading.

#include <stdint.h>

#define SKIN_CALL_LOG_NAME L"NuvriRecordingSkinCalls"
#define SKIN_CALL_LOG_CAPACITY 64

struct SkinCall {
    char name[32]; /* the export, or "detach notification" */
    uint32_t count;
    uint32_t arguments[15];
    char firstText[32]; /* the text the first argument points to, for text-taking exports */
};

struct SkinCallLog {
    uint32_t count;
    struct SkinCall calls[SKIN_CALL_LOG_CAPACITY];
};
