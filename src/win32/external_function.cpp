#include "external_function.h"

#include <string>
#include <vector>

#include "common/fatal_error.h"

namespace {

std::vector<HMODULE>& loadedLibraries() {
    static std::vector<HMODULE> libraries;
    return libraries;
}

}  // namespace

FARPROC resolveExternalFunction(const char* library, const char* function) {
    // Library and function names are ASCII, so the A functions see them exactly.
    HMODULE module = GetModuleHandleA(library);
    if (!module && (module = LoadLibraryA(library))) {
        loadedLibraries().push_back(module);
    }
    FARPROC address = module ? GetProcAddress(module, function) : nullptr;
    if (!address) {
        raiseFatalError(std::nullopt, std::string("无法找到指定DLL库文件“") + library +
                                          "”中的输出命令“" + function + "”");
    }
    return address;
}

#if defined(__i386__)
void raiseStackUnbalanced() {
    raiseFatalError(kErrorStackUnbalanced, "调用DLL命令后发现堆栈错误");
}
#endif

void unloadExternalLibraries() {
    for (HMODULE module : loadedLibraries()) {
        FreeLibrary(module);
    }
    loadedLibraries().clear();
}
