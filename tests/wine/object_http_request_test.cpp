// The request-object client for real: the system's request object against
// the reference list service on the loopback address.
#include "http/object_http_request.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/hosts.h"
#include "common/text.h"
#include "win32/process_setup.h"

namespace {

const Text kService = Text("http://") + kListServiceHost;

Text asText(const Bytes& body) {
    return Text(body.begin(), body.end());
}

// The header lines the service's echo page reports, in the order it received
// them, without the request line.
std::vector<Text> echoedHeaders(const Bytes& body) {
    std::vector<Text> lines;
    for (const Text& line : gbk::split(asText(body), "\n")) {
        lines.push_back(gbk::trim(line));
    }
    if (!lines.empty()) {
        lines.erase(lines.begin());
    }
    return lines;
}

std::ptrdiff_t indexOf(const std::vector<Text>& lines, std::string_view prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with(prefix)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

class ObjectHttpRequestTest : public testing::Test {
  protected:
    OleSession ole;
};

}  // namespace

TEST_F(ObjectHttpRequestTest, TheServiceReceivesCookieThenTheDefaultHeadersInOrder) {
    const Text url = kService + "/drill/echo";
    Text cookies = "sid=甲1";
    Text headers = "X-Time: 10:30";
    std::int32_t status = 0;
    const Bytes body = objectHttpRequest(url, 0, {}, &cookies, nullptr, &headers, nullptr, &status);

    ASSERT_EQ(status, 200);
    const std::vector<Text> lines = echoedHeaders(body);
    const std::vector<std::ptrdiff_t> order = {
        indexOf(lines, "Cookie: sid="),
        indexOf(lines, "X-Time: 10:30"),
        indexOf(lines, "Accept: */*"),
        indexOf(lines, "Referer: " + url),
        indexOf(lines, "Accept-Language: zh-cn"),
        indexOf(lines, "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"),
        indexOf(lines, "Content-Type: application/x-www-form-urlencoded")};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_GE(order[i], 0) << "header " << i << " missing in\n" << asText(body);
        if (i > 0) {
            EXPECT_LT(order[i - 1], order[i]) << "header " << i;
        }
    }
    EXPECT_EQ(gbk::split(headers, "\r\n").size(), 6);
}

TEST_F(ObjectHttpRequestTest, CookiesSetByOneAnswerAreSentWithTheNext) {
    Text cookies;
    Text returned;
    Text responseHeaders;
    objectHttpRequest(kService + "/drill/cookies?variant=1", 0, {}, &cookies, &returned, nullptr,
                      &responseHeaders);
    EXPECT_EQ(returned, "a=1;b=2");
    EXPECT_EQ(cookies, "a=1; b=2");
    EXPECT_GT(gbk::find(responseHeaders, "Set-Cookie: a=1; path=/"), 0) << responseHeaders;
    EXPECT_GT(gbk::find(responseHeaders, "Set-Cookie: b=2"), 0) << responseHeaders;

    // A second answer replaces by name and deletes what it marks deleted.
    cookies += "; sid=old; tmp=1";
    objectHttpRequest(kService + "/drill/cookies?variant=2", 0, {}, &cookies, &returned);
    EXPECT_EQ(cookies, "sid=new; a=1; b=2");

    const Bytes echo = objectHttpRequest(kService + "/drill/echo", 0, {}, &cookies);
    EXPECT_GE(indexOf(echoedHeaders(echo), "Cookie: sid=new; a=1; b=2"), 0) << asText(echo);
}

TEST_F(ObjectHttpRequestTest, AnErrorStatusComesBackWithItsPage) {
    std::int32_t status = 0;
    const Bytes body = objectHttpRequest(kService + "/drill/status?code=404", 0, {}, nullptr,
                                         nullptr, nullptr, nullptr, &status);
    EXPECT_EQ(status, 404);
    EXPECT_GT(gbk::find(asText(body), "404"), 0);

    objectHttpRequest(kService + "/drill/status?code=500", 0, {}, nullptr, nullptr, nullptr,
                      nullptr, &status);
    EXPECT_EQ(status, 500);
}

// The notice's name reaches the service as UTF-8, percent-encoded, as a
// browser sends it; the service finds the file by it.
TEST_F(ObjectHttpRequestTest, AnAddressWithChineseCharactersReachesTheServiceIntact) {
    std::int32_t status = 0;
    const Bytes body = objectHttpRequest(kService + "/Nuvri公告.txt", 0, {}, nullptr, nullptr,
                                         nullptr, nullptr, &status);
    EXPECT_EQ(status, 200);
    const std::string welcome(reinterpret_cast<const char*>(u8"欢迎使用"));
    EXPECT_NE(asText(body).find(welcome), std::string::npos);
}

TEST_F(ObjectHttpRequestTest, NothingAnswersGivesAnEmptyBodyAndStatusZero) {
    Text cookies = "a=1";
    Text returned = "x";
    Text responseHeaders = "x";
    std::int32_t status = -1;
    const Bytes body = objectHttpRequest("http://127.0.0.1:1/", 0, {}, &cookies, &returned, nullptr,
                                         &responseHeaders, &status);
    EXPECT_TRUE(body.empty());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(responseHeaders, "");
    EXPECT_EQ(returned, "");
    EXPECT_EQ(cookies, "a=1");
}

TEST_F(ObjectHttpRequestTest, RedirectsAreFollowedUnlessSwitchedOff) {
    std::int32_t status = 0;
    const Bytes followed =
        objectHttpRequest(kService + "/drill/redirect?to=/drill/status%3Fcode%3D203", 0, {},
                          nullptr, nullptr, nullptr, nullptr, &status);
    EXPECT_EQ(status, 203);

    objectHttpRequest(kService + "/drill/redirect", 0, {}, nullptr, nullptr, nullptr, nullptr,
                      &status, true);
    EXPECT_EQ(status, 302);
}

TEST_F(ObjectHttpRequestTest, APostSendsBodyBytesOverBodyText) {
    std::int32_t status = 0;
    const Bytes body = objectHttpRequest(kService + "/drill/echo", 1, "ignored", nullptr, nullptr,
                                         nullptr, nullptr, &status, false, Bytes{'a', '=', '1'});
    EXPECT_EQ(status, 200);
    EXPECT_EQ(gbk::find(asText(body), "POST /drill/echo"), 1) << asText(body);
    EXPECT_GE(indexOf(echoedHeaders(body), "Content-Length: 3"), 0) << asText(body);
}
