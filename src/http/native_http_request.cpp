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

constexpr std::uint32_t kNoProxy = 1;
constexpr std::uint32_t kNamedProxy = 3;
constexpr std::int32_t kSchemeHttps = 2;
constexpr std::uint32_t kSecureRequest = 0x00800000;
constexpr std::int32_t kDefaultTimeoutMs = 30000;
constexpr std::uint32_t kTargetServer = 0;
constexpr std::uint32_t kTargetProxy = 1;
constexpr std::uint32_t kBasicScheme = 1;
constexpr std::uint32_t kOptionDisableFeature = 63;
constexpr std::uint32_t kOptionEnableFeature = 79;
constexpr std::uint32_t kDisableCookies = 1;
constexpr std::uint32_t kEnableFeatureValue = 1;
constexpr std::uint32_t kDisableRedirects = 2;
constexpr std::uint32_t kAddHeaders = 0x20000000;
constexpr std::uint32_t kReplaceHeaders = 0x80000000;
constexpr std::uint32_t kRawHeadersCrLf = 22;
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

// The body as text up to its first zero byte, decoded by the charset that a
// meta tag in its first 1,024 bytes declares.
Text decodedBodyText(const Bytes& body, RegexMatcher& matcher) {
    Text text = readText(body);
    const ComApartment apartment;
    if (matcher.create(kCharsetPattern, gbk::left(text, 1024))) {
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
    Handles handles(api);
    // A failed step: its text, optionally the pending messages, then the
    // handles close as `handles` goes.
    auto fail = [&](const char* text, bool processEvents) {
        if (statusText) {
            *statusText = text;
        }
        if (processEvents) {
            processPendingEvents();
        }
        return Text();
    };

    if (!api.checkPlatform()) {
        return fail("700 当前系统不支持WinHttp服务!", true);
    }
    CrackedUrl parts;
    // Characters outside ASCII travel percent-encoded, as the browser sends them.
    if (!api.crackUrl(wide(gbkToUtf16(percentEncodeNonAscii(url))), 0, parts)) {
        return fail("701 解析URL地址失败!", true);
    }
    const bool https = parts.scheme == kSchemeHttps;
    const std::u16string objectName = parts.path.empty() ? u"/" : parts.path + parts.extra;

    if (proxy.empty()) {
        handles.session = api.open(nullptr, kNoProxy, nullptr, nullptr, 0);
    } else {
        const Bytes proxyName = gbkToUtf16(https ? Text(proxy) : gbk::concat("http=", proxy));
        handles.session = api.open(nullptr, kNamedProxy, wide(proxyName), nullptr, 0);
    }
    if (!handles.session) {
        return fail("702 创建WinHttp会话失败!", true);
    }
    handles.connection = api.connect(handles.session, parts.host.c_str(), parts.port);
    if (!handles.connection) {
        return fail("703 创建WinHttp连接失败!", true);
    }
    const Bytes verb = gbkToUtf16(methodText(method));
    handles.request = api.openRequest(handles.connection, wide(verb), objectName.c_str(),
                                      https ? kSecureRequest : 0);
    if (!handles.request) {
        return fail("704 创建WinHttp请求失败!", true);
    }
    const std::int32_t t = timeoutMilliseconds(timeoutSeconds, kDefaultTimeoutMs);
    if (!api.setTimeouts(handles.request, t, t, t, t)) {
        return fail("705 设置超时时间失败!", true);
    }

    if (!userName.empty() && !password.empty() &&
        !api.setCredentials(handles.request, kTargetServer, kBasicScheme,
                            wide(gbkToUtf16(Text(userName))), wide(gbkToUtf16(Text(password))))) {
        return fail("706 设置服务器凭证失败!", false);
    }
    if (!proxyUser.empty() && !proxyPassword.empty() &&
        !api.setCredentials(handles.request, kTargetProxy, kBasicScheme,
                            wide(gbkToUtf16(Text(proxyUser))),
                            wide(gbkToUtf16(Text(proxyPassword))))) {
        return fail("707 设置代理凭证失败!", false);
    }
    const bool cookieOption =
        cookies ? api.setOption(handles.request, kOptionEnableFeature, kEnableFeatureValue)
                : api.setOption(handles.request, kOptionDisableFeature, kDisableCookies);
    if (!cookieOption) {
        return fail("708 禁止自动设置Cookies失败!", false);
    }
    if (noRedirect && !api.setOption(handles.request, kOptionDisableFeature, kDisableRedirects)) {
        return fail("709 重定向设置失败!", false);
    }

    const Bytes headerText = gbkToUtf16(requestHeaders(headers, cookies));
    if (!api.addRequestHeaders(handles.request, wide(headerText),
                               static_cast<std::uint32_t>(headerText.size() / 2 - 1),
                               kAddHeaders | kReplaceHeaders)) {
        return fail("710 设置协议头失败!", true);
    }
    if (!api.sendRequest(handles.request, reinterpret_cast<const std::uint8_t*>(bodyText.data()),
                         static_cast<std::uint32_t>(bodyText.size()))) {
        return fail("711 发送请求失败!", true);
    }
    if (!api.receiveResponse(handles.request)) {
        return fail("712 服务器未响应!", true);
    }

    Bytes body;
    if (!readBody(api, handles.request, body) && statusText) {
        *statusText = "713 读取数据失败!";
    }
    Text text;
    if (const std::optional<Text> raw = rawResponseHeaders(api, handles.request)) {
        const std::int32_t lineEnd = gbk::find(*raw, "\r\n", 10);
        if (statusText) {
            *statusText = lineEnd > 0 ? gbk::middle(*raw, 10, lineEnd - 10) : Text();
        }
        const Text headerBlock = withSetCookieSpelled(*raw);
        Text setCookies;
        for (const Text& line : gbk::split(headerBlock, "\r\n")) {
            if (const auto piece = responseCookiePiece(line)) {
                setCookies += *piece + "; ";
            }
            if (location && gbk::compare(gbk::left(line, 10), "Location: ", false) == 0) {
                *location = line.substr(10);
            }
            processPendingEvents();
        }
        setCookies = gbk::left(setCookies, gbk::length(setCookies) - 2);
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
