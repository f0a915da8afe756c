// The system's HTTP functions, each looked up by name in "Winhttp.dll" on
// first use through the external-function table.
#include <windows.h>

#include <winhttp.h>

#include "external_function.h"
#include "http/winhttp_api.h"

namespace {

constexpr char kLibrary[] = "Winhttp.dll";

ExternalFunction<BOOL WINAPI()> checkPlatformFunction{kLibrary, "WinHttpCheckPlatform"};
ExternalFunction<BOOL WINAPI(LPCWSTR, DWORD, DWORD, URL_COMPONENTS*)> crackUrlFunction{
    kLibrary, "WinHttpCrackUrl"};
ExternalFunction<HINTERNET WINAPI(LPCWSTR, DWORD, LPCWSTR, LPCWSTR, DWORD)> openFunction{
    kLibrary, "WinHttpOpen"};
ExternalFunction<HINTERNET WINAPI(HINTERNET, LPCWSTR, INTERNET_PORT, DWORD)> connectFunction{
    kLibrary, "WinHttpConnect"};
ExternalFunction<HINTERNET WINAPI(HINTERNET, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR*, DWORD)>
    openRequestFunction{kLibrary, "WinHttpOpenRequest"};
ExternalFunction<BOOL WINAPI(HINTERNET, int, int, int, int)> setTimeoutsFunction{
    kLibrary, "WinHttpSetTimeouts"};
ExternalFunction<BOOL WINAPI(HINTERNET, DWORD, DWORD, LPCWSTR, LPCWSTR, LPVOID)>
    setCredentialsFunction{kLibrary, "WinHttpSetCredentials"};
ExternalFunction<BOOL WINAPI(HINTERNET, DWORD, LPVOID, DWORD)> setOptionFunction{
    kLibrary, "WinHttpSetOption"};
ExternalFunction<BOOL WINAPI(HINTERNET, LPCWSTR, DWORD, DWORD)> addRequestHeadersFunction{
    kLibrary, "WinHttpAddRequestHeaders"};
ExternalFunction<BOOL WINAPI(HINTERNET, LPCWSTR, DWORD, LPVOID, DWORD, DWORD, DWORD_PTR)>
    sendRequestFunction{kLibrary, "WinHttpSendRequest"};
ExternalFunction<BOOL WINAPI(HINTERNET, LPVOID)> receiveResponseFunction{kLibrary,
                                                                         "WinHttpReceiveResponse"};
ExternalFunction<BOOL WINAPI(HINTERNET, LPDWORD)> queryDataAvailableFunction{
    kLibrary, "WinHttpQueryDataAvailable"};
ExternalFunction<BOOL WINAPI(HINTERNET, LPVOID, DWORD, LPDWORD)> readDataFunction{
    kLibrary, "WinHttpReadData"};
ExternalFunction<BOOL WINAPI(HINTERNET, DWORD, LPCWSTR, LPVOID, LPDWORD, LPDWORD)>
    queryHeadersFunction{kLibrary, "WinHttpQueryHeaders"};
ExternalFunction<BOOL WINAPI(HINTERNET)> closeHandleFunction{kLibrary, "WinHttpCloseHandle"};

LPCWSTR w(const char16_t* text) {
    return reinterpret_cast<LPCWSTR>(text);
}

std::u16string part(const wchar_t* start, DWORD length) {
    return start ? std::u16string(reinterpret_cast<const char16_t*>(start), length)
                 : std::u16string();
}

class SystemWinHttp : public WinHttpApi {
  public:
    bool checkPlatform() override { return checkPlatformFunction(); }

    bool crackUrl(const char16_t* url, std::uint32_t flags, CrackedUrl& parts) override {
        // Lengths of -1 ask for each part as a pointer into the address.
        URL_COMPONENTS components = {};
        components.dwStructSize = sizeof components;
        components.dwSchemeLength = static_cast<DWORD>(-1);
        components.dwHostNameLength = static_cast<DWORD>(-1);
        components.dwUrlPathLength = static_cast<DWORD>(-1);
        components.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!url || !crackUrlFunction(w(url), 0, flags, &components)) {
            return false;
        }
        parts.scheme = components.nScheme;
        parts.host = part(components.lpszHostName, components.dwHostNameLength);
        parts.port = components.nPort;
        parts.path = part(components.lpszUrlPath, components.dwUrlPathLength);
        parts.extra = part(components.lpszExtraInfo, components.dwExtraInfoLength);
        return true;
    }

    HttpHandle open(const char16_t* agent, std::uint32_t accessType, const char16_t* proxyName,
                    const char16_t* proxyBypass, std::uint32_t flags) override {
        return openFunction(w(agent), accessType, w(proxyName), w(proxyBypass), flags);
    }

    HttpHandle connect(HttpHandle session, const char16_t* host, std::uint16_t port) override {
        return connectFunction(session, w(host), port, 0);
    }

    HttpHandle openRequest(HttpHandle connection, const char16_t* verb, const char16_t* objectName,
                           std::uint32_t flags) override {
        return openRequestFunction(connection, w(verb), w(objectName), nullptr, WINHTTP_NO_REFERER,
                                   WINHTTP_DEFAULT_ACCEPT_TYPES, flags);
    }

    bool setTimeouts(HttpHandle request, std::int32_t resolve, std::int32_t connect,
                     std::int32_t send, std::int32_t receive) override {
        return setTimeoutsFunction(request, resolve, connect, send, receive);
    }

    bool setCredentials(HttpHandle request, std::uint32_t target, std::uint32_t scheme,
                        const char16_t* user, const char16_t* password) override {
        return setCredentialsFunction(request, target, scheme, w(user), w(password), nullptr);
    }

    bool setOption(HttpHandle handle, std::uint32_t option, std::uint32_t value) override {
        DWORD buffer = value;
        return setOptionFunction(handle, option, &buffer, sizeof buffer);
    }

    bool addRequestHeaders(HttpHandle request, const char16_t* headers, std::uint32_t length,
                           std::uint32_t modifiers) override {
        return addRequestHeadersFunction(request, w(headers), length, modifiers);
    }

    bool sendRequest(HttpHandle request, const std::uint8_t* body, std::uint32_t length) override {
        return sendRequestFunction(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                   const_cast<std::uint8_t*>(body), length, length, 0);
    }

    bool receiveResponse(HttpHandle request) override {
        return receiveResponseFunction(request, nullptr);
    }

    bool queryDataAvailable(HttpHandle request, std::uint32_t& available) override {
        DWORD count = 0;
        const BOOL ok = queryDataAvailableFunction(request, &count);
        available = count;
        return ok;
    }

    bool readData(HttpHandle request, std::uint8_t* buffer, std::uint32_t size,
                  std::uint32_t& read) override {
        DWORD count = 0;
        const BOOL ok = readDataFunction(request, buffer, size, &count);
        read = count;
        return ok;
    }

    bool queryHeaders(HttpHandle request, std::uint32_t infoLevel, void* buffer,
                      std::uint32_t& bytes) override {
        DWORD size = bytes;
        const BOOL ok = queryHeadersFunction(request, infoLevel, WINHTTP_HEADER_NAME_BY_INDEX,
                                             buffer, &size, WINHTTP_NO_HEADER_INDEX);
        bytes = size;
        return ok;
    }

    bool closeHandle(HttpHandle handle) override { return closeHandleFunction(handle); }
};

}  // namespace

WinHttpApi& winHttpApi() {
    static SystemWinHttp functions;
    return functions;
}
