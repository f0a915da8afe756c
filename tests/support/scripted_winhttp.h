#pragma once
// A stand-in for the system's HTTP functions: records every call as a line of
// text, fails the functions a test names, and answers with a scripted header
// block and body chunks. The host build's winHttpApi() returns the one a test
// installs.

#include <set>
#include <string>
#include <vector>

#include "http/winhttp_api.h"

class ScriptedWinHttp : public WinHttpApi {
  public:
    ScriptedWinHttp();
    ~ScriptedWinHttp() override;

    bool checkPlatform() override;
    bool crackUrl(const char16_t* url, std::uint32_t flags, CrackedUrl& parts) override;
    HttpHandle open(const char16_t* agent, std::uint32_t accessType, const char16_t* proxyName,
                    const char16_t* proxyBypass, std::uint32_t flags) override;
    HttpHandle connect(HttpHandle session, const char16_t* host, std::uint16_t port) override;
    HttpHandle openRequest(HttpHandle connection, const char16_t* verb, const char16_t* objectName,
                           std::uint32_t flags) override;
    bool setTimeouts(HttpHandle request, std::int32_t resolve, std::int32_t connect,
                     std::int32_t send, std::int32_t receive) override;
    bool setCredentials(HttpHandle request, std::uint32_t target, std::uint32_t scheme,
                        const char16_t* user, const char16_t* password) override;
    bool setOption(HttpHandle handle, std::uint32_t option, std::uint32_t value) override;
    bool addRequestHeaders(HttpHandle request, const char16_t* headers, std::uint32_t length,
                           std::uint32_t modifiers) override;
    bool sendRequest(HttpHandle request, const std::uint8_t* body, std::uint32_t length) override;
    bool receiveResponse(HttpHandle request) override;
    bool queryDataAvailable(HttpHandle request, std::uint32_t& available) override;
    bool readData(HttpHandle request, std::uint8_t* buffer, std::uint32_t size,
                  std::uint32_t& read) override;
    bool queryHeaders(HttpHandle request, std::uint32_t infoLevel, void* buffer,
                      std::uint32_t& bytes) override;
    bool closeHandle(HttpHandle handle) override;

    // Each call as "Name arg arg ...", texts in UTF-8.
    std::vector<std::string> calls;
    // Functions that fail, by name ("WinHttpSetOption") or by whole call line
    // ("WinHttpSetOption 63 2").
    std::set<std::string> failing;
    // The raw header block, UTF-8 here, handed out as UTF-16.
    std::string headerBlock = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n";
    // The body, as the reads deliver it; every session starts at the first.
    std::vector<Bytes> chunks;
    // Handles given out and not yet closed.
    std::set<HttpHandle> openHandles;

  private:
    bool record(const std::string& name, const std::string& arguments);
    HttpHandle newHandle();

    std::size_t nextChunk_ = 0;
    std::uintptr_t lastHandle_ = 0x100;
};
