#include "download_answer.h"

#include <charconv>
#include <optional>

#include "common/text.h"
#include "header_line.h"

namespace {

// A 2xx status code, with or without its reason phrase.
bool isSuccess(std::string_view status) {
    const auto digit = [&](std::size_t i) { return status[i] >= '0' && status[i] <= '9'; };
    return status.size() >= 3 && status[0] == '2' && digit(1) && digit(2) &&
           (status.size() == 3 || status[3] == ' ');
}

// The length the answer announced; nullopt when it announced none.
std::optional<std::size_t> announcedLength(std::string_view headers) {
    for (const Text& line : gbk::split(headers, "\r\n")) {
        if (gbk::compare(headerName(line), "Content-Length", false) != 0) {
            continue;
        }
        const Text value = headerValue(line);
        std::size_t length = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), length);
        if (error == std::errc() && end == value.data() + value.size()) {
            return length;
        }
    }
    return std::nullopt;
}

}  // namespace

Text wholeDownloadLines(std::string_view text, std::string_view status, std::string_view headers,
                        std::size_t bodyBytes) {
    if (!isSuccess(status)) {
        return Text();
    }
    const std::optional<std::size_t> announced = announcedLength(headers);
    if (!announced || bodyBytes >= *announced) {
        return Text(text);
    }
    const std::size_t lastLineEnd = text.rfind("\r\n");
    return lastLineEnd == std::string_view::npos ? Text() : Text(text.substr(0, lastLineEnd + 2));
}
