#include "program_resource.h"

#include <windows.h>

std::optional<std::string_view> programResource(const wchar_t* name) {
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        return std::nullopt;
    }
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(program, found));
}
