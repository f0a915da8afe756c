#pragma once
// The system's HTTP function interface ("Winhttp.dll") as the native client
// uses it. On Windows each function is the system's, called by name through
// the program's external-function table; a host build supplies its own.
// Wide texts are zero-terminated UTF-16; a null text is the system's "none".

#include <cstdint>
#include <string>

#include "common/value_types.h"

using HttpHandle = void*;

// The parts of an address that the client asks the address parser for.
struct CrackedUrl {
    std::int32_t scheme = 0;  // 1 http, 2 https
    std::u16string host;
    std::uint16_t port = 0;
    std::u16string path;
    std::u16string extra;  // query and fragment
};

class WinHttpApi {
  public:
    virtual ~WinHttpApi() = default;

    virtual bool checkPlatform() = 0;
    virtual bool crackUrl(const char16_t* url, std::uint32_t flags, CrackedUrl& parts) = 0;
    virtual HttpHandle open(const char16_t* agent, std::uint32_t accessType,
                            const char16_t* proxyName, const char16_t* proxyBypass,
                            std::uint32_t flags) = 0;
    virtual HttpHandle connect(HttpHandle session, const char16_t* host, std::uint16_t port) = 0;
    virtual HttpHandle openRequest(HttpHandle connection, const char16_t* verb,
                                   const char16_t* objectName, std::uint32_t flags) = 0;
    virtual bool setTimeouts(HttpHandle request, std::int32_t resolve, std::int32_t connect,
                             std::int32_t send, std::int32_t receive) = 0;
    virtual bool setCredentials(HttpHandle request, std::uint32_t target, std::uint32_t scheme,
                                const char16_t* user, const char16_t* password) = 0;
    virtual bool setOption(HttpHandle handle, std::uint32_t option, std::uint32_t value) = 0;
    // `length` counts characters without the terminator.
    virtual bool addRequestHeaders(HttpHandle request, const char16_t* headers,
                                   std::uint32_t length, std::uint32_t modifiers) = 0;
    virtual bool sendRequest(HttpHandle request, const std::uint8_t* body,
                             std::uint32_t length) = 0;
    virtual bool receiveResponse(HttpHandle request) = 0;
    virtual bool queryDataAvailable(HttpHandle request, std::uint32_t& available) = 0;
    virtual bool readData(HttpHandle request, std::uint8_t* buffer, std::uint32_t size,
                          std::uint32_t& read) = 0;
    // With a null buffer, `bytes` receives the size needed and the call fails.
    virtual bool queryHeaders(HttpHandle request, std::uint32_t infoLevel, void* buffer,
                              std::uint32_t& bytes) = 0;
    virtual bool closeHandle(HttpHandle handle) = 0;
};

// Platform edge: the table the client calls.
WinHttpApi& winHttpApi();
