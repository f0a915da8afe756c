#include "native_http_request.h"

#include <algorithm>

#include "charset_decoding.h"
#include "common/address_encoding.h"
#include "common/automation.h"
#include "common/bytes.h"
#include "common/com_apartment.h"
#include "common/pending_events.h"
#include "common/text.h"
#include "cookie_text.h"
#include "textmatch/regex_matcher.h"
#include "timeout.h"
#include "utf16_bytes.h"
#include "winhttp_api.h"

namespace {

// The system's numbers (winhttp.h), named as the calls below use them.
constexpr std::uint32_t kNoProxy = 1;                 // WINHTTP_ACCESS_TYPE_NO_PROXY
constexpr std::uint32_t kNamedProxy = 3;              // WINHTTP_ACCESS_TYPE_NAMED_PROXY
constexpr std::int32_t kSchemeHttps = 2;              // INTERNET_SCHEME_HTTPS
constexpr std::uint32_t kSecureRequest = 0x00800000;  // WINHTTP_FLAG_SECURE
constexpr std::uint32_t kTargetServer = 0;            // WINHTTP_AUTH_TARGET_SERVER
constexpr std::uint32_t kTargetProxy = 1;             // WINHTTP_AUTH_TARGET_PROXY
constexpr std::uint32_t kBasicScheme = 1;             // WINHTTP_AUTH_SCHEME_BASIC
// WINHTTP_OPTION_DISABLE_FEATURE and its flags: without the caller's cookie
// text the system must keep no cookies of its own, and a caller may ask for
// the redirect itself rather than its target.
constexpr std::uint32_t kOptionDisableFeature = 63;
constexpr std::uint32_t kDisableCookies = 1;
constexpr std::uint32_t kDisableRedirects = 2;
// WINHTTP_OPTION_ENABLE_FEATURE with WINHTTP_ENABLE_SSL_REVOCATION: what the
// client sets when the caller keeps the cookies itself; its failure is
// reported with the cookie step's text.
constexpr std::uint32_t kOptionEnableFeature = 79;
constexpr std::uint32_t kEnableSslRevocation = 1;
// WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE: the caller's line
// replaces a line of that name the system would send.
constexpr std::uint32_t kAddOrReplaceHeaders = 0x20000000 | 0x80000000;
constexpr std::uint32_t kRawHeadersCrLf = 22;  // WINHTTP_QUERY_RAW_HEADERS_CRLF

// The wait for each phase when the caller names none: long enough for a slow
// list host, short enough that a dead one does not hold the window for long.
constexpr std::int32_t kDefaultTimeoutMs = 30000;
// In the status line "HTTP/1.1 200 OK" the code and reason start at byte 10
// (1-based), after the nine bytes of the protocol and its space.
constexpr std::int32_t kStatusTextStart = 10;
constexpr std::string_view kLocationHeader = "Location: ";
// Pages declare their charset in the head; its first KiB is searched.
constexpr std::int32_t kCharsetSearchBytes = 1024;
constexpr char kCharsetPattern[] = "<meta.+?charset=[^\\w]?([-\\w]+)";

const char16_t* wide(const Bytes& utf16) {
    return utf16.empty() ? nullptr : reinterpret_cast<const char16_t*>(utf16.data());
}

const char* methodText(std::int32_t method) {
    static const char* const verbs[] = {"GET", "POST", "HEAD", "PUT"};
    return method >= 0 && method <= 3 ? verbs[method] : "GET";
}

// The request header text: the caller's lines, then each default line the
// caller did not write. Every test but Content-Type's ignores case.
Text requestHeaders(std::string_view headers, const Text* cookies) {
    struct Default {
        const char* name;
        bool ignoreCase;
        const char* line;
    };
    static const Default defaults[] = {
        {"User-Agent: ", true,
         "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"},
        {"Accept: ", true, "Accept: text/html, application/xhtml+xml, */*\r\n"},
        {"Accept-Encoding: ", true, "Accept-Encoding: gbk, GB2312\r\n"},
        {"Accept-Language: ", true, "Accept-Language: zh-cn\r\n"},
        {"Content-Type:", false, "Content-Type: application/x-www-form-urlencoded\r\n"},
        {"Cache-Control: ", true, "Cache-Control: no-cache\r\n"},
    };
    Text text(headers);
    for (const Default& entry : defaults) {
        if (gbk::find(text, entry.name, 1, entry.ignoreCase) < 0) {
            text += entry.line;
        }
    }
    if (cookies && !cookies->empty() && gbk::find(text, "Cookie: ", 1, true) < 0) {
        text += gbk::concat("Cookie: ", *cookies, "\r\n");
    }
    return text;
}

// The handles of one call, closed on every path: request, connection, session.
class Handles {
  public:
    explicit Handles(WinHttpApi& api) : api_(api) {}
    ~Handles() {
        for (HttpHandle handle : {request, connection, session}) {
            if (handle) {
                api_.closeHandle(handle);
            }
        }
    }
    Handles(const Handles&) = delete;
    Handles& operator=(const Handles&) = delete;

    HttpHandle session = nullptr;
    HttpHandle connection = nullptr;
    HttpHandle request = nullptr;

  private:
    WinHttpApi& api_;
};

// Appends the response body chunk by chunk into one growing array, so a
// large body costs amortised linear time. True when every read succeeded.
bool readBody(WinHttpApi& api, HttpHandle request, Bytes& body) {
    for (;;) {
        std::uint32_t available = 0;
        if (!api.queryDataAvailable(request, available) || available < 1) {
            return true;
        }
        const std::size_t before = body.size();
        body.resize(before + available);
        std::uint32_t read = 0;
        if (!api.readData(request, body.data() + before, available, read)) {
            body.resize(before);
            return false;
        }
        body.resize(before + std::min(read, available));
    }
}

// The raw response header block, or nullopt when the system does not give it.
std::optional<Text> rawResponseHeaders(WinHttpApi& api, HttpHandle request) {
    std::uint32_t size = 0;
    api.queryHeaders(request, kRawHeadersCrLf, nullptr, size);
    Bytes buffer(size, 0);
    if (!api.queryHeaders(request, kRawHeadersCrLf, buffer.data(), size)) {
        return std::nullopt;
    }
    return utf16ToGbk(buffer);
}

// The status line's code and reason phrase; empty without a line end.
Text statusLineText(const Text& rawHeaders) {
    const std::int32_t lineEnd = gbk::find(rawHeaders, "\r\n", kStatusTextStart);
    return lineEnd > 0 ? gbk::middle(rawHeaders, kStatusTextStart, lineEnd - kStatusTextStart)
                       : Text();
}

// Walks the header lines for the "Location: " one, the last when there are
// several; pending messages run once per line.
void readLocation(const Text& headerBlock, Text* location) {
    for (const Text& line : gbk::split(headerBlock, "\r\n")) {
        const auto length = static_cast<std::int32_t>(kLocationHeader.size());
        if (location && gbk::compare(gbk::left(line, length), kLocationHeader, false) == 0) {
            *location = line.substr(kLocationHeader.size());
        }
        processPendingEvents();
    }
}

// The body as text up to its first zero byte, decoded by the charset that a
// meta tag near its start declares.
Text decodedBodyText(const Bytes& body, RegexMatcher& matcher) {
    Text text = readText(body);
    const ComApartment apartment;
    if (matcher.create(kCharsetPattern, gbk::left(text, kCharsetSearchBytes))) {
        const Text charset = matcher.subMatchText(1, 1);
        if (!charset.empty() && charset != "gbk" && charset != "gb2312") {
            if (auto decoded = decodeCharset(body, charset)) {
                text = std::move(*decoded);
            }
        }
        processPendingEvents();
    }
    return text;
}

// A step that failed: its numbered text, and whether pending messages run
// before the call returns.
struct StepFailure {
    const char* text;
    bool processEvents;
};
using StepResult = std::optional<StepFailure>;

struct Credentials {
    std::string_view user;
    std::string_view password;
};

// Checks the system, parses the address and opens the session and the
// connection to the address's host.
StepResult connect(WinHttpApi& api, std::string_view url, std::string_view proxy, Handles& handles,
                   CrackedUrl& parts) {
    if (!api.checkPlatform()) {
        return StepFailure{"700 当前系统不支持WinHttp服务!", true};
    }
    // Characters outside ASCII travel percent-encoded, as the browser sends them.
    if (!api.crackUrl(wide(gbkToUtf16(percentEncodeNonAscii(url))), 0, parts)) {
        return StepFailure{"701 解析URL地址失败!", true};
    }
    if (proxy.empty()) {
        handles.session = api.open(nullptr, kNoProxy, nullptr, nullptr, 0);
    } else {
        const bool https = parts.scheme == kSchemeHttps;
        const Bytes proxyName = gbkToUtf16(https ? Text(proxy) : gbk::concat("http=", proxy));
        handles.session = api.open(nullptr, kNamedProxy, wide(proxyName), nullptr, 0);
    }
    if (!handles.session) {
        return StepFailure{"702 创建WinHttp会话失败!", true};
    }
    handles.connection = api.connect(handles.session, parts.host.c_str(), parts.port);
    if (!handles.connection) {
        return StepFailure{"703 创建WinHttp连接失败!", true};
    }
    return std::nullopt;
}

// Opens the request for the address's path and query, with its time-outs.
StepResult openRequest(WinHttpApi& api, const CrackedUrl& parts, std::int32_t method,
                       std::int32_t timeoutSeconds, Handles& handles) {
    const std::u16string objectName = parts.path.empty() ? u"/" : parts.path + parts.extra;
    const Bytes verb = gbkToUtf16(methodText(method));
    handles.request = api.openRequest(handles.connection, wide(verb), objectName.c_str(),
                                      parts.scheme == kSchemeHttps ? kSecureRequest : 0);
    if (!handles.request) {
        return StepFailure{"704 创建WinHttp请求失败!", true};
    }
    const std::int32_t t = timeoutMilliseconds(timeoutSeconds, kDefaultTimeoutMs);
    if (!api.setTimeouts(handles.request, t, t, t, t)) {
        return StepFailure{"705 设置超时时间失败!", true};
    }
    return std::nullopt;
}

// Basic credentials given in full, the cookie handling and redirects.
StepResult setRequestOptions(WinHttpApi& api, HttpHandle request, Credentials server,
                             Credentials proxy, bool callerKeepsCookies, bool noRedirect) {
    if (!server.user.empty() && !server.password.empty() &&
        !api.setCredentials(request, kTargetServer, kBasicScheme,
                            wide(gbkToUtf16(Text(server.user))),
                            wide(gbkToUtf16(Text(server.password))))) {
        return StepFailure{"706 设置服务器凭证失败!", false};
    }
    if (!proxy.user.empty() && !proxy.password.empty() &&
        !api.setCredentials(request, kTargetProxy, kBasicScheme, wide(gbkToUtf16(Text(proxy.user))),
                            wide(gbkToUtf16(Text(proxy.password))))) {
        return StepFailure{"707 设置代理凭证失败!", false};
    }
    const bool cookieOption =
        callerKeepsCookies ? api.setOption(request, kOptionEnableFeature, kEnableSslRevocation)
                           : api.setOption(request, kOptionDisableFeature, kDisableCookies);
    if (!cookieOption) {
        return StepFailure{"708 禁止自动设置Cookies失败!", false};
    }
    if (noRedirect && !api.setOption(request, kOptionDisableFeature, kDisableRedirects)) {
        return StepFailure{"709 重定向设置失败!", false};
    }
    return std::nullopt;
}

// Adds the header lines, sends the body and waits for the response.
StepResult sendRequest(WinHttpApi& api, HttpHandle request, const Text& headers,
                       std::string_view body) {
    const Bytes headerText = gbkToUtf16(headers);
    if (!api.addRequestHeaders(request, wide(headerText),
                               static_cast<std::uint32_t>(headerText.size() / 2 - 1),
                               kAddOrReplaceHeaders)) {
        return StepFailure{"710 设置协议头失败!", true};
    }
    if (!api.sendRequest(request, reinterpret_cast<const std::uint8_t*>(body.data()),
                         static_cast<std::uint32_t>(body.size()))) {
        return StepFailure{"711 发送请求失败!", true};
    }
    if (!api.receiveResponse(request)) {
        return StepFailure{"712 服务器未响应!", true};
    }
    return std::nullopt;
}

}  // namespace

Text nativeHttpRequest(std::string_view url, std::int32_t method, std::string_view bodyText,
                       Text* cookies, Text* returnedCookies, std::string_view headers,
                       Text* responseHeaders, bool noRedirect, std::string_view userName,
                       std::string_view password, std::string_view proxy,
                       std::string_view proxyUser, std::string_view proxyPassword,
                       std::int32_t timeoutSeconds, Text* location, Text* statusText,
                       Bytes* bodyBytes) {
    RegexMatcher matcher;
    WinHttpApi& api = winHttpApi();
    Handles handles(api);  // closed on every path as the call returns
    CrackedUrl parts;
    StepResult failed = connect(api, url, proxy, handles, parts);
    if (!failed) {
        failed = openRequest(api, parts, method, timeoutSeconds, handles);
    }
    if (!failed) {
        failed = setRequestOptions(api, handles.request, {userName, password},
                                   {proxyUser, proxyPassword}, cookies != nullptr, noRedirect);
    }
    if (!failed) {
        failed = sendRequest(api, handles.request, requestHeaders(headers, cookies), bodyText);
    }
    if (failed) {
        if (statusText) {
            *statusText = failed->text;
        }
        if (failed->processEvents) {
            processPendingEvents();
        }
        return Text();
    }

    Bytes body;
    if (!readBody(api, handles.request, body) && statusText) {
        *statusText = "713 读取数据失败!";
    }
    Text text;
    if (const std::optional<Text> raw = rawResponseHeaders(api, handles.request)) {
        if (statusText) {
            *statusText = statusLineText(*raw);
        }
        const Text headerBlock = withSetCookieSpelled(*raw);
        Text setCookies = extractResponseCookies(headerBlock);
        readLocation(headerBlock, location);
        if (cookies) {
            mergeCookies(*cookies, setCookies);
        }
        if (responseHeaders) {
            *responseHeaders = headerBlock;
        }
        if (returnedCookies) {
            *returnedCookies = setCookies;
        }
        text = decodedBodyText(body, matcher);
        if (bodyBytes) {
            *bodyBytes = std::move(body);
        }
    }
    processPendingEvents();
    return text;
}
