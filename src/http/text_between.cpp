#include "text_between.h"

#include "common/text.h"

namespace {
constexpr char kQuoteMark[] = "#引号";
}  // namespace

Text textBetween(std::string_view text, std::string_view left, std::string_view right,
                 std::int32_t start, bool caseInsensitive) {
    const Text leftMarker = gbk::replace(left, kQuoteMark, "\"", true);
    const Text rightMarker = gbk::replace(right, kQuoteMark, "\"", true);
    std::int32_t p = gbk::find(text, leftMarker, start < 1 ? 1 : start, caseInsensitive);
    if (p > 0) {
        p += gbk::length(leftMarker);
    }
    const std::int32_t q = gbk::find(text, rightMarker, p > 0 ? p : 1, caseInsensitive);
    if (p < 0 || q < 0) {
        return {};
    }
    return gbk::middle(text, p, q - p);
}
