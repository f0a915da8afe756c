#include <limits>

#include "text.h"
#include "text_scan.h"

namespace gbk {

Text replace(std::string_view text, std::string_view sought, std::string_view replacement,
             std::int32_t start, std::optional<std::int32_t> count, bool caseSensitive) {
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    std::int32_t remaining = count.value_or(std::numeric_limits<std::int32_t>::max());
    if (sought.empty() || from >= text.size() || remaining < 1) {
        return Text(text);
    }
    Text replaced;
    replaced.reserve(text.size());
    std::size_t copied = 0;
    // Each search resumes right after the previous occurrence, so occurrences
    // never overlap and the whole replacement is one pass over the text.
    std::size_t resume = from;
    for (; remaining > 0; --remaining) {
        const std::size_t found = findOccurrence(text, sought, resume, !caseSensitive);
        if (found == std::string_view::npos) {
            break;
        }
        replaced.append(text.substr(copied, found - copied)).append(replacement);
        copied = resume = found + sought.size();
    }
    replaced.append(text.substr(copied));
    return replaced;
}

Text replace(std::string_view text, std::string_view sought, std::string_view replacement,
             bool caseSensitive) {
    return replace(text, sought, replacement, 1, std::nullopt, caseSensitive);
}

}  // namespace gbk
