#include "http/object_http_request.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "support/native_objects.h"
#include "support/scripted_object.h"

namespace {

constexpr char kProgId[] = "WinHttp.WinHttpRequest.5.1";
constexpr char kUrl[] = "http://list.example/zb/douyu.php?p=4";

// A request object that answers like the system's: a fixed response, every
// member accepted, every call recorded.
std::shared_ptr<ScriptedObject> answeringRequest(const Text& responseHeaders = "",
                                                 Variant status = Variant(std::int32_t{200})) {
    auto request = std::make_shared<ScriptedObject>();
    auto accept = [](std::span<const Variant>) { return std::optional<Variant>(Variant()); };
    for (const char* member :
         {"SetTimeouts", "SetProxy", "SetCredentials", "Open", "SetRequestHeader", "Send"}) {
        request->on(member, InvokeKind::Method, accept);
    }
    request->on("Option", InvokeKind::PropertyPut, accept);
    request->on("ResponseBody", InvokeKind::PropertyGet, [](std::span<const Variant>) {
        return std::optional<Variant>(Variant(Bytes{'o', 'k', 0, '!'}));
    });
    request->on("GetallResponseHeaders", InvokeKind::Method, [responseHeaders](auto) {
        return std::optional<Variant>(textValue(responseHeaders));
    });
    request->on("Status", InvokeKind::PropertyGet,
                [status](auto) { return std::optional<Variant>(status); });
    return request;
}

// The calls made to `member`, each as its arguments in text form.
std::vector<std::vector<Text>> callsTo(const ScriptedObject& object, const std::string& member) {
    std::vector<std::vector<Text>> found;
    for (const auto& call : object.calls) {
        if (call.member == member) {
            std::vector<Text> args;
            for (const Variant& arg : call.args) {
                args.push_back(asText(arg));
            }
            found.push_back(args);
        }
    }
    return found;
}

std::vector<std::string> memberOrder(const ScriptedObject& object) {
    std::vector<std::string> order;
    for (const auto& call : object.calls) {
        order.push_back(call.member);
    }
    return order;
}

using Lines = std::vector<std::vector<Text>>;

class ObjectHttpRequestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        request = answeringRequest();
        registerObjectClass(kProgId, [this] { return request; });
    }
    void TearDown() override {
        clearObjectClasses();
        EXPECT_EQ(comApartmentDepth(), 0);
    }

    std::shared_ptr<ScriptedObject> request;
};

}  // namespace

TEST_F(ObjectHttpRequestTest, AnAddressAloneIsAGetWithTheDefaultsInOrder) {
    const Bytes body = objectHttpRequest(kUrl);

    EXPECT_EQ(body, (Bytes{'o', 'k', 0, '!'}));
    EXPECT_EQ(memberOrder(*request),
              (std::vector<std::string>{"SetTimeouts", "Open", "Option", "SetRequestHeader",
                                        "SetRequestHeader", "SetRequestHeader", "SetRequestHeader",
                                        "SetRequestHeader", "Send", "ResponseBody",
                                        "GetallResponseHeaders", "Status"}));
    EXPECT_EQ(callsTo(*request, "SetTimeouts"), (Lines{{"15000", "15000", "15000", "15000"}}));
    EXPECT_EQ(callsTo(*request, "Open"), (Lines{{"GET", kUrl, "0"}}));
    EXPECT_EQ(callsTo(*request, "Option"), (Lines{{"4", "13056"}}));
    EXPECT_EQ(callsTo(*request, "SetRequestHeader"),
              (Lines{{"Accept", "*/*"},
                     {"Referer", kUrl},
                     {"Accept-Language", "zh-cn"},
                     {"User-Agent", "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
                     {"Content-Type", "application/x-www-form-urlencoded"}}));
    EXPECT_EQ(callsTo(*request, "Send"), (Lines{{""}}));
}

TEST_F(ObjectHttpRequestTest, AnAddressWithChineseCharactersTravelsPercentEncoded) {
    objectHttpRequest("http://h/公告.txt");
    EXPECT_EQ(callsTo(*request, "Open"), (Lines{{"GET", "http://h/%E5%85%AC%E5%91%8A.txt", "0"}}));
}

TEST_F(ObjectHttpRequestTest, MethodsOutsideTheThreeAreGets) {
    for (const auto& [method, verb] : std::vector<std::pair<std::int32_t, Text>>{
             {0, "GET"}, {1, "POST"}, {2, "HEAD"}, {7, "GET"}, {-1, "GET"}}) {
        request = answeringRequest();
        objectHttpRequest(kUrl, method);
        EXPECT_EQ(callsTo(*request, "Open")[0][0], verb) << method;
    }
}

TEST_F(ObjectHttpRequestTest, TimeoutsAreSecondsWithFifteenForNoneAndMinusOneKeepsTheObjects) {
    for (const auto& [seconds, expected] : std::vector<std::pair<std::int32_t, Lines>>{
             {-1, {}},
             {0, {{"15000", "15000", "15000", "15000"}}},
             {-5, {{"15000", "15000", "15000", "15000"}}},
             {20, {{"20000", "20000", "20000", "20000"}}}}) {
        request = answeringRequest();
        objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, nullptr, nullptr, nullptr, false, {}, {},
                          seconds);
        EXPECT_EQ(callsTo(*request, "SetTimeouts"), expected) << seconds;
    }
}

TEST_F(ObjectHttpRequestTest, CredentialsGoOnlyWithAProxyAndTheFlagDefaultsToOne) {
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, nullptr, nullptr, nullptr, false, {},
                      "proxy.example:8080", 0, "用户", "pw");
    EXPECT_EQ(callsTo(*request, "SetProxy"), (Lines{{"2", "proxy.example:8080"}}));
    EXPECT_EQ(callsTo(*request, "SetCredentials"), (Lines{{"用户", "pw", "1"}}));

    request = answeringRequest();
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, nullptr, nullptr, nullptr, false, {},
                      "proxy.example:8080", 0, "user", "", 0);
    EXPECT_EQ(callsTo(*request, "SetCredentials"), (Lines{{"user", "", "0"}}));

    request = answeringRequest();
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, nullptr, nullptr, nullptr, false, {}, "", 0,
                      "user", "pw");
    EXPECT_TRUE(callsTo(*request, "SetProxy").empty());
    EXPECT_TRUE(callsTo(*request, "SetCredentials").empty());
}

TEST_F(ObjectHttpRequestTest, NoRedirectTurnsRedirectsOffBeforeTheCertificateFlags) {
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, nullptr, nullptr, nullptr, true);
    EXPECT_EQ(callsTo(*request, "Option"), (Lines{{"6", "0"}, {"4", "13056"}}));
}

TEST_F(ObjectHttpRequestTest, CallerHeadersGrowByTheMissingDefaultsAndAreWrittenBack) {
    Text headers = "Accept: text/html\r\nX-Time: 10:30\r\n\r\nno colon";
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, &headers);

    EXPECT_EQ(headers, Text("Accept: text/html\r\nX-Time: 10:30\r\n\r\nno colon\r\nReferer: ") +
                           kUrl +
                           "\r\nAccept-Language: zh-cn"
                           "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"
                           "\r\nContent-Type: application/x-www-form-urlencoded");
    const Lines sent = callsTo(*request, "SetRequestHeader");
    ASSERT_EQ(sent.size(), 7u);  // the empty line is skipped
    EXPECT_EQ(sent[0], (std::vector<Text>{"Accept", "text/html"}));
    EXPECT_EQ(sent[1], (std::vector<Text>{"X-Time", "10:30"}));
    EXPECT_EQ(sent[2], (std::vector<Text>{"", ""}));
    EXPECT_EQ(sent[3], (std::vector<Text>{"Referer", kUrl}));
}

TEST_F(ObjectHttpRequestTest, TheDefaultTestsAreCaseSensitive) {
    Text headers = "accept: x\r\nuser-agent: y";
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, &headers);
    EXPECT_EQ(gbk::find(headers, "\r\nAccept: */*"), 25);  // right after the caller's text
    EXPECT_GT(gbk::find(headers, "\r\nUser-Agent: Mozilla"), 0);
}

TEST_F(ObjectHttpRequestTest, TheCookieHeaderComesFirstAndBodyBytesWinOverBodyText) {
    Text cookies = "sid=1";
    objectHttpRequest(kUrl, 1, "a=b", &cookies, nullptr, nullptr, nullptr, nullptr, false,
                      Bytes{0x01, 0x00, 0xFF});
    EXPECT_EQ(callsTo(*request, "SetRequestHeader")[0], (std::vector<Text>{"Cookie", "sid=1"}));
    const auto send = std::find_if(request->calls.begin(), request->calls.end(),
                                   [](const auto& call) { return call.member == "Send"; });
    ASSERT_NE(send, request->calls.end());
    EXPECT_EQ(asBytes(send->args[0]), (Bytes{0x01, 0x00, 0xFF}));

    request = answeringRequest();
    objectHttpRequest(kUrl, 1, "中文=1");
    EXPECT_EQ(callsTo(*request, "Send"), (Lines{{"中文=1"}}));
    EXPECT_EQ(callsTo(*request, "SetRequestHeader")[0][0], "Accept");
}

TEST_F(ObjectHttpRequestTest, SetCookieInAnySpellingComesBackMergedAndRespelled) {
    request = answeringRequest(
        "Content-Type: text/html\r\nset-cookie: a=1; path=/\r\nSET-COOKIE: b=2\r\n\r\n",
        Variant(404.0));
    Text cookies;
    Text returned = "stale";
    Text responseHeaders;
    std::int32_t status = -1;
    objectHttpRequest(kUrl, 0, {}, &cookies, &returned, nullptr, &responseHeaders, &status);

    EXPECT_EQ(returned, "a=1;b=2");
    EXPECT_EQ(cookies, "a=1; b=2");
    EXPECT_EQ(responseHeaders,
              "Content-Type: text/html\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n\r\n");
    EXPECT_EQ(status, 404);
}

TEST_F(ObjectHttpRequestTest, AFailedTransferGivesEmptyOutputsAndKeepsOnlyWhatTheMergeKeeps) {
    request = std::make_shared<ScriptedObject>();  // refuses every member
    Text cookies = "a = 1; gone=deleted";
    Text returned = "x";
    Text responseHeaders = "x";
    std::int32_t status = 200;
    const Bytes body =
        objectHttpRequest(kUrl, 0, {}, &cookies, &returned, nullptr, &responseHeaders, &status);

    EXPECT_TRUE(body.empty());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(responseHeaders, "");
    EXPECT_EQ(returned, "");
    EXPECT_EQ(cookies, "a=1");
    EXPECT_EQ(memberOrder(*request).back(), "Status");  // it went on after each refusal
}

TEST_F(ObjectHttpRequestTest, WithoutTheObjectClassNothingIsTouched) {
    clearObjectClasses();
    Text cookies = "a = 1";
    Text headers = "X: y";
    std::int32_t status = 7;
    EXPECT_TRUE(
        objectHttpRequest(kUrl, 0, {}, &cookies, nullptr, &headers, nullptr, &status).empty());
    EXPECT_EQ(cookies, "a = 1");
    EXPECT_EQ(headers, "X: y");
    EXPECT_EQ(status, 7);
}

TEST_F(ObjectHttpRequestTest, ACallersObjectIsUsedAndStaysTheCallers) {
    auto own = answeringRequest();
    clearObjectClasses();
    objectHttpRequest(kUrl, 0, {}, nullptr, nullptr, nullptr, nullptr, nullptr, false, {}, {}, 0,
                      {}, {}, std::nullopt, own);
    EXPECT_EQ(callsTo(*own, "Open").size(), 1u);
    EXPECT_EQ(own.use_count(), 1);
}
