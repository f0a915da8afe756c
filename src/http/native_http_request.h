#pragma once
// One synchronous HTTP or HTTPS request on the system's HTTP functions. Each
// failed step is reported by a numbered text in `statusText`, from
// "700 当前系统不支持WinHttp服务!" to "713 读取数据失败!"; after a response it
// holds the status code and reason phrase. Pending window messages are
// processed while the response headers are walked and at every exit, so
// other handlers can run inside a call.

#include <cstdint>
#include <string_view>

#include "common/value_types.h"

// method: 0 GET, 1 POST, 2 HEAD, 3 PUT (anything else GET). Output parameters
// may be null. `cookies` omitted (null) turns the system's automatic cookies
// off and skips the merge; given, it is sent as the Cookie header and comes
// back merged with the cookies the response set. `headers` are extra lines,
// each ending in CR LF. timeoutSeconds below 1 means 30 s. Returns the body,
// decoded by the charset its meta tag declares (GBK and GB2312 as read); the
// empty text after a failed step.
Text nativeHttpRequest(std::string_view url, std::int32_t method = 0,
                       std::string_view bodyText = {}, Text* cookies = nullptr,
                       Text* returnedCookies = nullptr, std::string_view headers = {},
                       Text* responseHeaders = nullptr, bool noRedirect = false,
                       std::string_view userName = {}, std::string_view password = {},
                       std::string_view proxy = {}, std::string_view proxyUser = {},
                       std::string_view proxyPassword = {}, std::int32_t timeoutSeconds = 0,
                       Text* location = nullptr, Text* statusText = nullptr,
                       Bytes* bodyBytes = nullptr);
