#pragma once
// The in-memory module loader: maps a DLL image held in a byte array into the
// process without the system loader (no file), finds its exports by name,
// calls them and unloads it again. The 32-bit program loads 32-bit (PE32,
// i386) images, the 64-bit program 64-bit (PE32+, x86-64) ones.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "image_services.h"

// One loaded image; allocated from the process heap.
struct MemoryImage {
    void* headers;   // the NT headers inside the loaded copy
    void* codeBase;  // base of the address range reserved for the image
    void** modules;  // libraries loaded for the imports, in load order
    std::int32_t moduleCount;
    std::uint32_t initialized;  // 1 once the entry routine accepted the attach
    void* exceptionTable;       // a PE32+ image's table as registered with the system; or null
};

// Maps the `length` bytes at `data`; null when they are not a loadable DLL
// image of the machine `services` run (damaged or truncated images
// included) or loading fails.
MemoryImage* loadImageFromMemory(const std::uint8_t* data, std::size_t length,
                                 ImageServices& services = imageServices());

// The address of the export of exactly that name (case-sensitive); null when
// there is none. Reads only bytes of the image that `services` report
// readable (a discardable or no-access section may hold export data). An
// export forwarded to another library ("LIBRARY.Name" or "LIBRARY.#ordinal")
// is that library's function, found through `services`; the image then holds
// the library until it is freed. Null when the forwarder names no function,
// or its library or function is not found.
void* findExport(MemoryImage* image, const char* name, ImageServices& services = imageServices());

// Up to 15 argument slots of the process's word size (32 or 64 bits); an
// empty slot is not passed.
using ExportArguments = std::optional<std::uintptr_t>[15];

// Calls `function` with the present arguments in slot order, the callee
// (stdcall) or the caller (cdecl) removing them, and returns its result.
// x86-64 has one convention, so there `callerCleans` changes nothing.
std::uintptr_t callExport(void* function, bool callerCleans, const ExportArguments& arguments);

// Runs the detach notification, withdraws the exception table, frees the
// imported libraries and the image; null does nothing.
void freeImage(MemoryImage* image, ImageServices& services = imageServices());
