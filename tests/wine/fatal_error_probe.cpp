// Dies of a table index below 1 while a watcher answers the fatal error box;
// writes the box's text and owner and the end procedure's run to the file
// named on its command line, as UTF-16.
#include <cstdio>
#include <string>

#include "common/end_procedures.h"
#include "common/table.h"
#include "dialog_watcher.h"

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
    if (argc < 2 || !(report = _wfopen(argv[1], L"wb"))) {
        return 2;
    }
    DialogWatcher answerOk(IDOK);
    watcher = &answerOk;
    registerEndProcedure(onEnd);
    Table<int> table{1, 2, 3};
    return table[0];
}
