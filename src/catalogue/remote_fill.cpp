#include "remote_fill.h"

#include "catalogue/list_actions.h"
#include "common/bytes.h"
#include "common/program_controls.h"
#include "common/utf8_to_gbk.h"
#include "http/object_http_request.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/wait_pointer.h"

void fillFromRemoteList(std::string_view address, const Text& pattern, RegexMatcher& matcher) {
    // The window may process messages while the request waits for its answer;
    // a later action begun meanwhile overtakes this fill.
    const std::uint32_t action = latestAction(ActionScope::CatalogueRows);
    const Bytes body = [&] {
        const WaitPointer waiting;
        return objectHttpRequest(address);
    }();
    if (action != latestAction(ActionScope::CatalogueRows)) {
        return;
    }
    const Text answer = utf8ToGbk(readText(body));

    matcher.create(pattern, answer);
    HWND list = namedControl(kCatalogueList);
    RowBatch batch(list);
    const std::int32_t items = matcher.matchCount();
    for (std::int32_t i = 1; i <= items; ++i) {
        const Text itemAddress = matcher.subMatchText(i, 1);
        const Text title = matcher.subMatchText(i, 2);
        const std::int32_t row = appendRow(list);
        setCellText(list, row, 0, title);
        setCellText(list, row, 1, itemAddress);
    }
}
