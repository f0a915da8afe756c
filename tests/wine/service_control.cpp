#include "service_control.h"

#include <cctype>
#include <cstdio>

#include "common/hosts.h"
#include "common/text.h"
#include "http/object_http_request.h"

Text serviceControl(std::string_view command) {
    const Bytes body =
        objectHttpRequest(gbk::concat("http://", kListServiceHost, "/__control/", command));
    return Text(body.begin(), body.end());
}

Text percentEncoded(std::string_view text) {
    Text encoded;
    for (unsigned char c : text) {
        char escape[4];
        std::snprintf(escape, sizeof escape, "%%%02X", c);
        encoded += std::isalnum(c) ? Text(1, static_cast<char>(c)) : Text(escape);
    }
    return encoded;
}
