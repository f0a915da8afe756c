// Dies of a fatal error while a watcher answers the error box:
//   fatal_error_probe REPORT index|allocation|template|external
// writes the box's text and caption and the end procedure's run to REPORT,
// as UTF-16.
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
        // More than a 32-bit process can ever have in one block.
        volatile std::size_t size = 0xF0000000u;
        return *new char[size];
    }
    if (std::wstring(argv[2]) == L"external") {
        ExternalFunction<int WINAPI()> missing{"kernel32.dll", "NoSuchFunction"};
        return missing();
    }
    if (std::wstring(argv[2]) == L"template") {
        // This program carries no template data.
        return loadWindowTemplate(L"MAIN_WINDOW_TEMPLATE").width;
    }
    Table<int> table{1, 2, 3};
    return table[0];
}
