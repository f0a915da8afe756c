#include "http/native_http_request.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/codepage.h"
#include "support/native_objects.h"
#include "support/native_pending_events.h"
#include "support/scripted_object.h"
#include "support/scripted_winhttp.h"

namespace {

constexpr char kUrl[] = "http://lists.example:8460/33.txt";

Bytes bytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::string utf8(const Text& gbk) {
    return codepage::fromUtf16(codepage::toUtf16(gbk, codepage::kGbk), codepage::kUtf8);
}

class NativeHttpRequestTest : public ::testing::Test {
  protected:
    void SetUp() override { resetPendingEvents(); }
    void TearDown() override {
        EXPECT_TRUE(http.openHandles.empty()) << "handles left open";
        EXPECT_EQ(comApartmentDepth(), 0);
        clearObjectClasses();
    }

    // The recorded calls to `name`, without the name.
    std::vector<std::string> callsTo(const std::string& name) const {
        std::vector<std::string> found;
        for (const std::string& call : http.calls) {
            if (call == name || call.rfind(name + " ", 0) == 0) {
                found.push_back(call.size() > name.size() ? call.substr(name.size() + 1) : "");
            }
        }
        return found;
    }

    ScriptedWinHttp http;
};

const char kDefaultHeaders[] =
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"
    "Accept: text/html, application/xhtml+xml, */*\r\n"
    "Accept-Encoding: gbk, GB2312\r\n"
    "Accept-Language: zh-cn\r\n"
    "Content-Type: application/x-www-form-urlencoded\r\n"
    "Cache-Control: no-cache\r\n";

}  // namespace

TEST_F(NativeHttpRequestTest, AnAddressAloneRunsEveryStepWithTheDefaults) {
    http.chunks = {bytes("第一行\r\n"), bytes("second")};
    Text status;
    Bytes body;
    const Text text = nativeHttpRequest(kUrl, 0, {}, nullptr, nullptr, {}, nullptr, false, {}, {},
                                        {}, {}, {}, 0, nullptr, &status, &body);

    EXPECT_EQ(text, "第一行\r\nsecond");
    EXPECT_EQ(body, bytes("第一行\r\nsecond"));
    EXPECT_EQ(status, "200 OK");
    const std::vector<std::string> expected = {
        "WinHttpCheckPlatform",
        "WinHttpCrackUrl http://lists.example:8460/33.txt 0",
        "WinHttpOpen (none) 1 (none) (none) 0",
        "WinHttpConnect lists.example 8460",
        "WinHttpOpenRequest GET /33.txt 0",
        "WinHttpSetTimeouts 30000 30000 30000 30000",
        "WinHttpSetOption 63 1",
        std::string("WinHttpAddRequestHeaders ") + kDefaultHeaders + "|2684354560",
        "WinHttpSendRequest",
        "WinHttpReceiveResponse",
        "WinHttpQueryDataAvailable",
        "WinHttpReadData 8",
        "WinHttpQueryDataAvailable",
        "WinHttpReadData 6",
        "WinHttpQueryDataAvailable",
        "WinHttpQueryHeaders 22 size",
        "WinHttpQueryHeaders 22 buffer",
        "WinHttpCloseHandle",
        "WinHttpCloseHandle",
        "WinHttpCloseHandle",
    };
    EXPECT_EQ(http.calls, expected);
}

TEST_F(NativeHttpRequestTest, EachFailedStepReportsItsTextClosesItsHandlesAndTouchesNothingElse) {
    struct Case {
        const char* failing;
        const char* text;
        bool eventsProcessed;
    } const cases[] = {
        {"WinHttpCheckPlatform", "700 当前系统不支持WinHttp服务!", true},
        {"WinHttpCrackUrl", "701 解析URL地址失败!", true},
        {"WinHttpOpen", "702 创建WinHttp会话失败!", true},
        {"WinHttpConnect", "703 创建WinHttp连接失败!", true},
        {"WinHttpOpenRequest", "704 创建WinHttp请求失败!", true},
        {"WinHttpSetTimeouts", "705 设置超时时间失败!", true},
        {"WinHttpSetCredentials 0 1 用户 密码", "706 设置服务器凭证失败!", false},
        {"WinHttpSetCredentials 1 1 代理用户 pw", "707 设置代理凭证失败!", false},
        {"WinHttpSetOption 79 1", "708 禁止自动设置Cookies失败!", false},
        {"WinHttpSetOption 63 2", "709 重定向设置失败!", false},
        {"WinHttpAddRequestHeaders", "710 设置协议头失败!", true},
        {"WinHttpSendRequest", "711 发送请求失败!", true},
        {"WinHttpReceiveResponse", "712 服务器未响应!", true},
    };
    for (const Case& c : cases) {
        http.failing = {
            codepage::fromUtf16(codepage::toUtf16(c.failing, codepage::kGbk), codepage::kUtf8)};
        http.calls.clear();
        resetPendingEvents();
        Text cookies = "a=1";
        Text returned = "r";
        Text headers = "h";
        Text location = "l";
        Text status;
        Bytes body = {7};
        const Text text =
            nativeHttpRequest(kUrl, 0, {}, &cookies, &returned, {}, &headers, true, "用户", "密码",
                              "proxy:1", "代理用户", "pw", 0, &location, &status, &body);
        EXPECT_EQ(text, "") << c.text;
        EXPECT_EQ(status, c.text);
        EXPECT_EQ(pendingEventCalls(), c.eventsProcessed ? 1 : 0) << c.text;
        EXPECT_TRUE(http.openHandles.empty()) << c.text;
        EXPECT_EQ(cookies + returned + headers + location, "a=1rhl") << c.text;
        EXPECT_EQ(body, Bytes{7}) << c.text;
    }
}

TEST_F(NativeHttpRequestTest, AReadFailureKeepsThePartialBodyAndTheStatusLineReplacesItsText) {
    http.chunks = {bytes("abc"), bytes("defgh")};
    http.failing = {"WinHttpReadData 5"};
    Text status;
    Bytes body;
    EXPECT_EQ(nativeHttpRequest(kUrl, 0, {}, nullptr, nullptr, {}, nullptr, false, {}, {}, {}, {},
                                {}, 0, nullptr, &status, &body),
              "abc");
    EXPECT_EQ(status, "200 OK");

    // Without a header block nothing is produced and 713 stays.
    http.chunks = {bytes("abc"), bytes("defgh")};
    http.failing = {"WinHttpReadData 5", "WinHttpQueryHeaders"};
    body = {7};
    EXPECT_EQ(nativeHttpRequest(kUrl, 0, {}, nullptr, nullptr, {}, nullptr, false, {}, {}, {}, {},
                                {}, 0, nullptr, &status, &body),
              "");
    EXPECT_EQ(status, "713 读取数据失败!");
    EXPECT_EQ(body, Bytes{7});
}

TEST_F(NativeHttpRequestTest, TheObjectNameSchemeProxyMethodAndTimeOutFollowTheArguments) {
    const struct {
        const char* url;
        std::int32_t method;
        const char* proxy;
        std::int32_t timeout;
        const char* open;
        const char* request;
        const char* timeouts;
    } cases[] = {
        {"http://h", 3, "", 0, "(none) 1 (none) (none) 0", "PUT / 0", "30000 30000 30000 30000"},
        {"http://h?x=1", 9, "p:8", -5, "(none) 3 http=p:8 (none) 0", "GET / 0",
         "30000 30000 30000 30000"},
        {"https://h/a/b?q=1#f", -1, "p:8", 12, "(none) 3 p:8 (none) 0", "GET /a/b?q=1#f 8388608",
         "12000 12000 12000 12000"},
        {"http://h/x", 2, "", 3000000, "(none) 1 (none) (none) 0", "HEAD /x 0",
         "2147483647 2147483647 2147483647 2147483647"},
        {"http://h/公告.txt?f=视频", 0, "", 0, "(none) 1 (none) (none) 0",
         "GET /%E5%85%AC%E5%91%8A.txt?f=%E8%A7%86%E9%A2%91 0", "30000 30000 30000 30000"},
    };
    for (const auto& c : cases) {
        http.calls.clear();
        nativeHttpRequest(c.url, c.method, {}, nullptr, nullptr, {}, nullptr, false, {}, {},
                          c.proxy, {}, {}, c.timeout);
        EXPECT_EQ(callsTo("WinHttpOpen"), std::vector<std::string>{c.open}) << c.url;
        EXPECT_EQ(callsTo("WinHttpOpenRequest"), std::vector<std::string>{c.request}) << c.url;
        EXPECT_EQ(callsTo("WinHttpSetTimeouts"), std::vector<std::string>{c.timeouts}) << c.url;
    }
}

TEST_F(NativeHttpRequestTest, CredentialsNeedBothNameAndPassword) {
    nativeHttpRequest(kUrl, 0, {}, nullptr, nullptr, {}, nullptr, false, "user", {}, {}, {}, "pw");
    EXPECT_TRUE(callsTo("WinHttpSetCredentials").empty());
    nativeHttpRequest(kUrl, 0, {}, nullptr, nullptr, {}, nullptr, false, "user", "pw", {}, "pu",
                      "pp");
    EXPECT_EQ(callsTo("WinHttpSetCredentials"),
              (std::vector<std::string>{"0 1 user pw", "1 1 pu pp"}));
}

TEST_F(NativeHttpRequestTest, CallerHeadersSuppressDefaultsByTheirCaseRules) {
    Text cookies = "sid=1";
    nativeHttpRequest(kUrl, 0, {}, &cookies, nullptr,
                      "user-agent: x\r\ncontent-type: y\r\nACCEPT: z\r\n");
    EXPECT_EQ(callsTo("WinHttpAddRequestHeaders"),
              std::vector<std::string>{"user-agent: x\r\ncontent-type: y\r\nACCEPT: z\r\n"
                                       "Accept-Encoding: gbk, GB2312\r\nAccept-Language: zh-cn\r\n"
                                       "Content-Type: application/x-www-form-urlencoded\r\n"
                                       "Cache-Control: no-cache\r\nCookie: sid=1\r\n|2684354560"});
    EXPECT_EQ(callsTo("WinHttpSetOption"), std::vector<std::string>{"79 1"});
}

TEST_F(NativeHttpRequestTest, CookiesOmittedGivenEmptyAndGivenBehaveDifferently) {
    http.headerBlock =
        "HTTP/1.1 302 Found\r\nset-cookie: a=1; path=/\r\nSET-COOKIE: b = 2\r\n"
        "location: /next\r\n\r\n";
    Text returned;
    Text headers;
    Text location = "untouched";
    nativeHttpRequest(kUrl, 0, {}, nullptr, &returned, {}, &headers, true, {}, {}, {}, {}, {}, 0,
                      &location);
    EXPECT_EQ(returned, "a=1; b = 2");
    EXPECT_EQ(location, "/next");
    EXPECT_EQ(headers,
              "HTTP/1.1 302 Found\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b = 2\r\n"
              "location: /next\r\n\r\n");
    EXPECT_EQ(callsTo("WinHttpSetOption"), (std::vector<std::string>{"63 1", "63 2"}));
    // Pending messages: once per header line (five), after the charset
    // search, and at the end.
    EXPECT_EQ(pendingEventCalls(), 7);

    http.calls.clear();
    Text cookies;
    nativeHttpRequest(kUrl, 0, {}, &cookies, &returned);
    EXPECT_EQ(cookies, "a=1; b=2");
    EXPECT_EQ(returned, "a=1;b=2");
    EXPECT_EQ(callsTo("WinHttpAddRequestHeaders")[0].find("Cookie"), std::string::npos);

    cookies = "old=1; a=0";
    nativeHttpRequest(kUrl, 0, {}, &cookies, &returned);
    EXPECT_EQ(cookies, "a=1; b=2; old=1");
}

TEST_F(NativeHttpRequestTest, TheBodyIsDecodedByTheCharsetItsMetaTagDeclares) {
    const std::string chinese = "中文";  // GBK bytes in this program
    const std::string utf8Chinese = utf8(chinese);
    const struct {
        std::string declared;
        std::string body;
        std::string expected;
    } cases[] = {
        {"utf-8", utf8Chinese, chinese},
        {"UTF-8", utf8Chinese, chinese},
        {"gb2312", chinese, chinese},
        {"gbk", chinese, chinese},
        {"GBK", chinese, chinese},
        {"big5", "\xA4\xA4\xA4\xE5", chinese},
        {"x-unknown", "\x01\x02", "\x01\x02"},
    };
    for (const auto& c : cases) {
        const std::string page =
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
            c.declared + "\"></head><body>" + c.body + "</body></html>";
        http.chunks = {bytes(page)};
        const Text text = nativeHttpRequest(kUrl);
        EXPECT_NE(text.find("<body>" + c.expected + "</body>"), std::string::npos)
            << c.declared << ": " << text;
    }
}

TEST_F(NativeHttpRequestTest, TheStreamObjectDecodesWhenItCanAndTheCodePageWhenItCannot) {
    // A stream object that takes its binary settings and reads `text`.
    const auto streamReading = [](const char* text) {
        auto stream = std::make_shared<ScriptedObject>();
        for (const char* setting : {"Type", "Mode", "Position"}) {
            stream->on(setting, InvokeKind::PropertyPut,
                       [](auto) { return std::optional<Variant>(Variant()); });
        }
        stream->on("ReadText", InvokeKind::Method,
                   [text](auto) { return std::optional<Variant>(textValue(text)); });
        return stream;
    };
    std::vector<std::string> charsets;
    auto stream = streamReading("由流对象解码");
    stream->on("Charset", InvokeKind::PropertyPut, [&](std::span<const Variant> args) {
        charsets.push_back(asText(args.back()));
        return std::optional<Variant>(Variant());
    });
    registerObjectClass("Adodb.Stream", [&] { return stream; });
    http.chunks = {bytes("<meta charset=\"utf-8\"><p>x</p>")};
    EXPECT_EQ(nativeHttpRequest(kUrl), "由流对象解码");
    EXPECT_EQ(charsets, std::vector<std::string>{"utf-8"});

    // A charset name the object refuses: its text would be read in its own
    // default charset.
    auto refusing = streamReading("乱码");
    registerObjectClass("Adodb.Stream", [&] { return refusing; });
    http.chunks = {bytes("<meta charset=\"utf-8\">" + utf8("中文"))};
    EXPECT_EQ(nativeHttpRequest(kUrl), "<meta charset=\"utf-8\">中文");

    // An object that takes nothing (as Wine's does) leaves it to the code page.
    registerObjectClass("Adodb.Stream", [] { return std::make_shared<ScriptedObject>(); });
    http.chunks = {bytes("<meta charset=utf-8>" + utf8("中文"))};
    EXPECT_EQ(nativeHttpRequest(kUrl), "<meta charset=utf-8>中文");
}

TEST_F(NativeHttpRequestTest, AZeroByteEndsTheTextButNotTheBodyBytes) {
    http.chunks = {Bytes{'a', 0, 'b'}};
    Bytes body;
    EXPECT_EQ(nativeHttpRequest(kUrl, 0, {}, nullptr, nullptr, {}, nullptr, false, {}, {}, {}, {},
                                {}, 0, nullptr, nullptr, &body),
              "a");
    EXPECT_EQ(body, (Bytes{'a', 0, 'b'}));
}
