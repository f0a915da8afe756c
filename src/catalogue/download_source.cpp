#include "download_source.h"

#include "catalogue/download_separator.h"
#include "catalogue/list_actions.h"
#include "common/bytes.h"
#include "common/convert.h"
#include "common/hosts.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "common/text.h"
#include "http/download_answer.h"
#include "http/native_http_request.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/standard_controls.h"
#include "win32/wait_pointer.h"

namespace {

struct DownloadSource {
    const char* path;
    std::string_view separator;
};

constexpr DownloadSource kSources[] = {
    {"/33.txt", kDownloadMark},
    {"/2.txt", kDownloadSeparator},
};

}  // namespace

void onDownloadSourceSelected() {
    const std::int32_t choice = selectedItem(namedControl(kDownloadSource));
    if (choice < 0 || choice >= static_cast<std::int32_t>(std::size(kSources))) {
        return;
    }
    const DownloadSource& source = kSources[choice];
    // The fetch lets other handlers run, a later choice included; the list
    // then shows what the later choice fetched.
    const std::uint32_t action = beginAction(ActionScope::DownloadRows);
    Text headers;
    Text status;
    Bytes body;
    const Text answer = [&] {
        const WaitPointer waiting;
        return nativeHttpRequest(gbk::concat("http://", kDownloadHost, source.path), 0, {}, nullptr,
                                 nullptr, {}, &headers, false, {}, {}, {}, {}, {}, 0, nullptr,
                                 &status, &body);
    }();
    if (action != latestAction(ActionScope::DownloadRows)) {
        return;
    }
    const Text text = wholeDownloadLines(answer, status, headers, body.size());
    if (ProgramState* state = programState()) {
        state->downloadListText = text;
    }

    HWND list = namedControl(kDownloadList);
    RowBatch batch(list);
    deleteAllRows(list);
    const Table<Text> lines = gbk::split(text, "\r\n");
    for (std::int32_t i = 1; i <= count(lines); ++i) {
        const std::int32_t row = i - 1;
        appendRow(list);
        setCellText(list, row, 0, toText(i));
        const Table<Text> pieces = gbk::split(lines[i], source.separator);
        if (count(pieces) >= 2) {
            setCellText(list, row, 1, pieces[1] + kDownloadSeparator);
            setCellText(list, row, 2, pieces[2]);
        }
    }
}
