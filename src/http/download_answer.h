#pragma once
// What of a download list's answer may become rows. A user downloads what a
// row's address says, so a row must come from a whole line of a real list:
// an answer that is not a success (an error page) gives no lines, and a body
// cut short of the length its answer announced loses its last, cut line. A
// last line that merely has no line end is whole.

#include <cstddef>
#include <string_view>

#include "common/value_types.h"

// `text` is the body as text, `status` the status code and reason ("200 OK",
// or the client's numbered failure), `headers` the raw response header block
// and `bodyBytes` the length of the body as received.
Text wholeDownloadLines(std::string_view text, std::string_view status, std::string_view headers,
                        std::size_t bodyBytes);
