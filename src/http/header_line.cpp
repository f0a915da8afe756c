#include "header_line.h"

#include "common/text.h"

Text headerName(std::string_view line) {
    const std::int32_t colon = gbk::find(line, ":");
    return colon > 0 ? gbk::trim(gbk::left(line, colon - 1)) : Text();
}

Text headerValue(std::string_view line) {
    const std::int32_t colon = gbk::find(line, ":");
    return colon > 0 ? gbk::trim(line.substr(static_cast<std::size_t>(colon))) : Text();
}
