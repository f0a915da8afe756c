// The native client for real: the system's HTTP functions against the
// reference list service on the loopback address.
#include "http/native_http_request.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/hosts.h"
#include "common/text.h"
#include "win32/process_setup.h"

namespace {

const Text kService = Text("http://") + kListServiceHost;
// The service's charset pages hold this text, encoded as each declares.
const Text kPageText = "中文大家好";

class NativeHttpRequestTest : public testing::Test {
  protected:
    Text request(const Text& path, Text* status = nullptr, Text* cookies = nullptr,
                 Text* location = nullptr, bool noRedirect = false) {
        return nativeHttpRequest(kService + path, 0, {}, cookies, nullptr, {}, nullptr, noRedirect,
                                 {}, {}, {}, {}, {}, 0, location, status);
    }

    OleSession ole;
};

}  // namespace

TEST_F(NativeHttpRequestTest, APageComesBackDecodedByTheCharsetItDeclares) {
    for (const char* charset : {"utf-8", "gb2312", "GBK", "big5"}) {
        const Text text = request(Text("/drill/charset?name=") + charset);
        EXPECT_GT(gbk::find(text, "<body>" + kPageText + "</body>"), 0) << charset << ": " << text;
    }
}

TEST_F(NativeHttpRequestTest, AnErrorStatusReturnsItsPageAndReasonPhrase) {
    Text status;
    const Text text = request("/drill/status?code=404", &status);
    EXPECT_EQ(status, "404 Not Found");
    EXPECT_GT(gbk::find(text, "404 drill"), 0) << text;
    request("/33.txt", &status);
    EXPECT_EQ(status, "200 OK");
}

TEST_F(NativeHttpRequestTest, CookiesAreMergedAndTheRedirectTargetIsReported) {
    Text cookies;
    request("/drill/cookies?variant=1", nullptr, &cookies);
    EXPECT_EQ(cookies, "a=1; b=2");
    const Text echo = request("/drill/echo", nullptr, &cookies);
    EXPECT_GT(gbk::find(echo, "Cookie: a=1; b=2"), 0) << echo;
    EXPECT_GT(gbk::find(echo, "Accept-Encoding: gbk, GB2312"), 0) << echo;

    Text status;
    Text location;
    request("/drill/redirect?to=/forum/", &status, nullptr, &location, true);
    EXPECT_EQ(status, "302 Found");
    EXPECT_EQ(location, kService + "/forum/");
    const Text followed = request("/drill/redirect?to=/drill/echo", &status);
    EXPECT_EQ(status, "200 OK");
    EXPECT_EQ(gbk::find(followed, "GET /drill/echo "), 1) << followed;
}

TEST_F(NativeHttpRequestTest, StepsTheNetworkCanFailReportTheirTexts) {
    Text status;
    EXPECT_EQ(nativeHttpRequest("no address at all", 0, {}, nullptr, nullptr, {}, nullptr, false,
                                {}, {}, {}, {}, {}, 0, nullptr, &status),
              "");
    EXPECT_EQ(status, "701 解析URL地址失败!");

    EXPECT_EQ(nativeHttpRequest("http://127.0.0.1:1/", 0, {}, nullptr, nullptr, {}, nullptr, false,
                                {}, {}, {}, {}, {}, 0, nullptr, &status),
              "");
    EXPECT_EQ(status, "711 发送请求失败!");

    EXPECT_EQ(request("/drill/close", &status), "");
    EXPECT_EQ(status, "712 服务器未响应!");
}

// The status line of the answer replaces a read failure's text, so a body cut
// off mid-way comes back as far as it arrived, with the answer's status.
TEST_F(NativeHttpRequestTest, ABodyCutOffMidWayIsKeptAsFarAsItArrived) {
    Text status;
    Bytes body;
    nativeHttpRequest(kService + "/drill/drop?bytes=5000", 0, {}, nullptr, nullptr, {}, nullptr,
                      false, {}, {}, {}, {}, {}, 0, nullptr, &status, &body);
    EXPECT_EQ(status, "200 OK");
    EXPECT_EQ(body.size(), 5000u);
}
