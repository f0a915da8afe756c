#include "remote_fill.h"

#include <algorithm>

#include "catalogue/utf8_to_gbk.h"
#include "http/object_http_request.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"

void fillFromRemoteList(std::string_view address, const Text& pattern, RegexMatcher& matcher) {
    const Bytes body = objectHttpRequest(address);
    const auto end = std::find(body.begin(), body.end(), std::uint8_t{0});
    const Text answer = utf8ToGbk(std::string_view(reinterpret_cast<const char*>(body.data()),
                                                   static_cast<std::size_t>(end - body.begin())));

    matcher.create(pattern, answer);
    HWND list = namedControl("超级列表框1");
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
