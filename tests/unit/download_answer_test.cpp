#include "http/download_answer.h"

#include <gtest/gtest.h>

namespace {

const Text kHeaders = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 40\r\n\r\n";

struct Answer {
    const char* what;
    Text text;
    Text status;
    Text headers;
    std::size_t bodyBytes;
    Text lines;
};

}  // namespace

TEST(DownloadAnswerTest, OnlyWholeLinesOfASuccessfulAnswerBecomeRows) {
    const Answer answers[] = {
        {"whole, announced", "a|x\r\nb|y\r\n", "200 OK", kHeaders, 40, "a|x\r\nb|y\r\n"},
        {"no line end at the end", "a|x\r\nb|y", "200 OK", "HTTP/1.1 200 OK\r\n\r\n", 8,
         "a|x\r\nb|y"},
        {"longer than announced", "a|x\r\nb|y", "200 OK", kHeaders, 41, "a|x\r\nb|y"},
        {"a status without its reason", "a\r\n", "200", "", 3, "a\r\n"},
        {"cut inside a line", "a|x\r\nb|y\r\nc|htt", "200 OK", kHeaders, 15, "a|x\r\nb|y\r\n"},
        {"cut at a line end", "a|x\r\nb|y\r\n", "200 OK", kHeaders, 10, "a|x\r\nb|y\r\n"},
        {"cut inside the first line", "a|ht", "200 OK", kHeaders, 4, ""},
        {"announced in lower case", "a\r\nb", "200 OK", "content-length:  9\r\n", 4, "a\r\n"},
        {"an error page", "<html>\r\n<body>500</body>\r\n", "500 Internal Server Error", kHeaders,
         26, ""},
        {"not found", "<html>404</html>", "404 Not Found", "", 16, ""},
        {"a redirect not followed", "moved", "302 Found", "", 5, ""},
        {"the client's failure", "", "713 读取数据失败!", "", 0, ""},
        {"no status", "a\r\n", "", "", 3, ""},
    };
    for (const Answer& answer : answers) {
        EXPECT_EQ(wholeDownloadLines(answer.text, answer.status, answer.headers, answer.bodyBytes),
                  answer.lines)
            << answer.what;
    }
}
