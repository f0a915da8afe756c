#pragma once
// One synchronous HTTP or HTTPS request through the system's scriptable
// request object "WinHttp.WinHttpRequest.5.1". Nothing is reported: a failed
// transfer gives an empty body and status 0, an HTTP error status its page.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/automation.h"
#include "common/value_types.h"

// method: 0 GET, 1 POST, 2 HEAD (anything else GET). Output parameters may be
// null. `cookies` is sent as the Cookie header and comes back merged with the
// cookies the response set; `headers` comes back with the default headers
// added. timeoutSeconds: -1 keeps the object's own, below 1 means 15 s.
// proxyCredentialFlag defaults to 1; without `requestObject` a new object is
// made for this call. Returns the response body.
Bytes objectHttpRequest(std::string_view url, std::int32_t method = 0,
                        std::string_view bodyText = {}, Text* cookies = nullptr,
                        Text* returnedCookies = nullptr, Text* headers = nullptr,
                        Text* responseHeaders = nullptr, std::int32_t* status = nullptr,
                        bool noRedirect = false, const Bytes& bodyBytes = {},
                        std::string_view proxy = {}, std::int32_t timeoutSeconds = 0,
                        std::string_view proxyUser = {}, std::string_view proxyPassword = {},
                        std::optional<std::int32_t> proxyCredentialFlag = std::nullopt,
                        const ObjectRef& requestObject = nullptr);
