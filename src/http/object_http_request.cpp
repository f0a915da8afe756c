#include "object_http_request.h"

#include <cmath>
#include <variant>

#include "common/address_encoding.h"
#include "common/com_apartment.h"
#include "common/text.h"
#include "cookie_text.h"
#include "header_line.h"
#include "timeout.h"

namespace {

constexpr char kProgId[] = "WinHttp.WinHttpRequest.5.1";
constexpr std::int32_t kDefaultTimeoutMs = 15000;
constexpr std::int32_t kProxySettingNamed = 2;
constexpr std::int32_t kOptionEnableRedirects = 6;
constexpr std::int32_t kOptionSslErrorIgnoreFlags = 4;
// Unknown authority, wrong usage, name mismatch, expired.
constexpr std::int32_t kIgnoredCertificateErrors = 0x0100 | 0x0200 | 0x1000 | 0x2000;

const char* methodText(std::int32_t method) {
    switch (method) {
        case 1:
            return "POST";
        case 2:
            return "HEAD";
        default:
            return "GET";
    }
}

// Appends the default request headers the caller's text lacks. The tests are
// case-sensitive: a lower-case "accept:" line does not count as "Accept:".
void addDefaultHeaders(Text& headers, std::string_view url) {
    if (headers.empty()) {
        headers = "Accept: */*";
    } else if (gbk::find(headers, "Accept:") < 0) {
        headers += "\r\nAccept: */*";
    }
    if (gbk::find(headers, "Referer:") < 0) {
        headers += gbk::concat("\r\nReferer: ", url);
    }
    if (gbk::find(headers, "Accept-Language:") < 0) {
        headers += "\r\nAccept-Language: zh-cn";
    }
    if (gbk::find(headers, "User-Agent:") < 0) {
        headers += "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
    }
    if (gbk::find(headers, "Content-Type:") < 0) {
        headers += "\r\nContent-Type: application/x-www-form-urlencoded";
    }
}

void setRequestHeader(const ObjectRef& request, std::string_view line) {
    automation::call(request, "SetRequestHeader",
                     {textValue(headerName(line)), textValue(headerValue(line))});
}

void sendHeaders(const ObjectRef& request, const Text& headers) {
    if (gbk::find(headers, "\r\n") < 0) {
        setRequestHeader(request, headers);
        return;
    }
    for (const Text& line : gbk::split(headers, "\r\n")) {
        if (!line.empty()) {
            setRequestHeader(request, line);
        }
    }
}

// The object reports the status as a number; a fractional one is rounded.
std::int32_t roundedInteger(const Variant& value) {
    if (const double* number = std::get_if<double>(&value.value)) {
        if (!(std::fabs(*number) < 2147483647.0)) {
            return 0;
        }
        return static_cast<std::int32_t>(std::lround(*number));
    }
    return asInteger(value);
}

}  // namespace

Bytes objectHttpRequest(std::string_view url, std::int32_t method, std::string_view bodyText,
                        Text* cookies, Text* returnedCookies, Text* headers, Text* responseHeaders,
                        std::int32_t* status, bool noRedirect, const Bytes& bodyBytes,
                        std::string_view proxy, std::int32_t timeoutSeconds,
                        std::string_view proxyUser, std::string_view proxyPassword,
                        std::optional<std::int32_t> proxyCredentialFlag,
                        const ObjectRef& requestObject) {
    // Declared first, so the request object goes before the apartment.
    const ComApartment apartment;
    const char* verb = methodText(method);
    ObjectRef request = requestObject ? requestObject : createObject(kProgId);
    if (!request) {
        return {};
    }

    if (timeoutSeconds != -1) {
        const std::int32_t ms = timeoutMilliseconds(timeoutSeconds, kDefaultTimeoutMs);
        automation::call(request, "SetTimeouts", {ms, ms, ms, ms});
    }
    if (!proxy.empty()) {
        automation::call(request, "SetProxy", {kProxySettingNamed, textValue(Text(proxy))});
        if (!proxyUser.empty()) {
            automation::call(request, "SetCredentials",
                             {textValue(Text(proxyUser)), textValue(Text(proxyPassword)),
                              proxyCredentialFlag.value_or(1)});
        }
    }
    // Characters outside ASCII travel percent-encoded, as the browser sends them.
    const Text address = percentEncodeNonAscii(url);
    automation::call(request, "Open", {textValue(verb), textValue(address), false});
    if (noRedirect) {
        automation::put(request, "Option", std::int32_t{0}, {kOptionEnableRedirects});
    }
    automation::put(request, "Option", kIgnoredCertificateErrors, {kOptionSslErrorIgnoreFlags});

    Text localHeaders;
    Text& headerText = headers ? *headers : localHeaders;
    addDefaultHeaders(headerText, address);
    Text localCookies;
    Text& cookieText = cookies ? *cookies : localCookies;
    if (!cookieText.empty()) {
        automation::call(request, "SetRequestHeader", {u"Cookie", textValue(cookieText)});
    }
    sendHeaders(request, headerText);

    if (!bodyBytes.empty()) {
        automation::call(request, "Send", {Variant(bodyBytes)});
    } else {
        automation::call(request, "Send", {textValue(Text(bodyText))});
    }
    Bytes body = asBytes(automation::get(request, "ResponseBody"));

    const Text allHeaders =
        withSetCookieSpelled(asText(automation::call(request, "GetallResponseHeaders")));
    const std::int32_t code = roundedInteger(automation::get(request, "Status"));
    Text setCookies = extractResponseCookies(allHeaders);
    mergeCookies(cookieText, setCookies);
    if (responseHeaders) {
        *responseHeaders = allHeaders;
    }
    if (status) {
        *status = code;
    }
    if (returnedCookies) {
        *returnedCookies = setCookies;
    }
    return body;
}
