// Dies of a fatal error while a watcher answers the error box:
//   fatal_error_probe REPORT index|allocation|template|external|stack
// writes the box's text and caption and the end procedure's run to REPORT,
// as UTF-16.
#include "fatal_error_probe.h"

#include <cstdio>
#include <string>

#include "app/main_window_template.h"
#include "common/end_procedures.h"
#include "common/table.h"
#include "dialog_watcher.h"
#include "win32/external_function.h"

namespace {
FILE* report = nullptr;
DialogWatcher* watcher = nullptr;

void onEnd() {
    const std::wstring line = L"box:" + watcher->text + L"|caption:" + watcher->caption +
                              L"|boxes:" + std::to_wstring(watcher->boxesSeen) + L"|end";
    std::fwrite(line.data(), sizeof(wchar_t), line.size(), report);
    std::fclose(report);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || !(report = _wfopen(argv[1], L"wb"))) {
        return 2;
    }
    DialogWatcher answerOk(IDOK);
    watcher = &answerOk;
    registerEndProcedure(onEnd);
    if (std::wstring(argv[2]) == L"allocation") {
        volatile std::size_t size = kUnobtainableBlock;
        return *new char[size];
    }
    if (std::wstring(argv[2]) == L"external") {
        ExternalFunction<int WINAPI()> missing{"kernel32.dll", "NoSuchFunction"};
        return missing();
    }
#if defined(__i386__)
    if (std::wstring(argv[2]) == L"stack") {
        // msvcrt's atoi is cdecl: declared stdcall, it leaves its argument on
        // the stack.
        ExternalFunction<int WINAPI(const char*)> wronglyDeclared{"msvcrt.dll", "atoi"};
        return wronglyDeclared("6");
    }
#endif
    if (std::wstring(argv[2]) == L"template") {
        // This program carries no template data.
        return loadWindowTemplate(L"MAIN_WINDOW_TEMPLATE").width;
    }
    Table<int> table{1, 2, 3};
    return table[0];
}
