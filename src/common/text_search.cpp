#include "text.h"
#include "text_scan.h"

namespace gbk {

std::int32_t find(std::string_view text, std::string_view sought, std::int32_t start,
                  bool ignoreCase) {
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size()) {
        return -1;
    }
    if (sought.empty()) {
        return static_cast<std::int32_t>(from + 1);
    }
    const std::size_t found = findOccurrence(text, sought, from, ignoreCase);
    return found == std::string_view::npos ? -1 : static_cast<std::int32_t>(found + 1);
}

}  // namespace gbk
