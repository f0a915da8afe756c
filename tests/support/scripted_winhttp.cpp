#include "scripted_winhttp.h"

#include <algorithm>
#include <cstring>

#include "common/codepage.h"

namespace {

ScriptedWinHttp* installed = nullptr;

std::string utf8(const char16_t* text) {
    return text ? codepage::fromUtf16(text, codepage::kUtf8) : std::string("(none)");
}

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

}  // namespace

WinHttpApi& winHttpApi() {
    return *installed;
}

ScriptedWinHttp::ScriptedWinHttp() {
    installed = this;
}

ScriptedWinHttp::~ScriptedWinHttp() {
    installed = nullptr;
}

bool ScriptedWinHttp::record(const std::string& name, const std::string& arguments) {
    const std::string line = arguments.empty() ? name : name + " " + arguments;
    calls.push_back(line);
    return !failing.count(name) && !failing.count(line);
}

HttpHandle ScriptedWinHttp::newHandle() {
    HttpHandle handle = reinterpret_cast<HttpHandle>(++lastHandle_);
    openHandles.insert(handle);
    return handle;
}

bool ScriptedWinHttp::checkPlatform() {
    return record("WinHttpCheckPlatform", "");
}

// A plain parser for the tests' addresses: scheme://host[:port][path][?extra].
bool ScriptedWinHttp::crackUrl(const char16_t* url, std::uint32_t flags, CrackedUrl& parts) {
    const std::u16string address = url ? url : u"";
    if (!record("WinHttpCrackUrl", utf8(url) + " " + number(flags))) {
        return false;
    }
    const std::size_t schemeEnd = address.find(u"://");
    if (schemeEnd == std::u16string::npos) {
        return false;
    }
    parts.scheme = address.substr(0, schemeEnd) == u"https" ? 2 : 1;
    const std::size_t hostStart = schemeEnd + 3;
    const std::size_t hostEnd = std::min(address.find_first_of(u"/?#", hostStart), address.size());
    std::u16string host = address.substr(hostStart, hostEnd - hostStart);
    parts.port = parts.scheme == 2 ? 443 : 80;
    if (const std::size_t colon = host.find(u':'); colon != std::u16string::npos) {
        parts.port = static_cast<std::uint16_t>(
            std::stoi(codepage::fromUtf16(host.substr(colon + 1), codepage::kUtf8)));
        host.resize(colon);
    }
    parts.host = host;
    const std::size_t extraStart = std::min(address.find_first_of(u"?#", hostEnd), address.size());
    parts.path = address.substr(hostEnd, extraStart - hostEnd);
    parts.extra = address.substr(extraStart);
    return true;
}

HttpHandle ScriptedWinHttp::open(const char16_t* agent, std::uint32_t accessType,
                                 const char16_t* proxyName, const char16_t* proxyBypass,
                                 std::uint32_t flags) {
    nextChunk_ = 0;  // each call of the client reads the chunks from the first
    return record("WinHttpOpen", utf8(agent) + " " + number(accessType) + " " + utf8(proxyName) +
                                     " " + utf8(proxyBypass) + " " + number(flags))
               ? newHandle()
               : nullptr;
}

HttpHandle ScriptedWinHttp::connect(HttpHandle, const char16_t* host, std::uint16_t port) {
    return record("WinHttpConnect", utf8(host) + " " + number(port)) ? newHandle() : nullptr;
}

HttpHandle ScriptedWinHttp::openRequest(HttpHandle, const char16_t* verb,
                                        const char16_t* objectName, std::uint32_t flags) {
    return record("WinHttpOpenRequest", utf8(verb) + " " + utf8(objectName) + " " + number(flags))
               ? newHandle()
               : nullptr;
}

bool ScriptedWinHttp::setTimeouts(HttpHandle, std::int32_t resolve, std::int32_t connect,
                                  std::int32_t send, std::int32_t receive) {
    return record("WinHttpSetTimeouts", std::to_string(resolve) + " " + std::to_string(connect) +
                                            " " + std::to_string(send) + " " +
                                            std::to_string(receive));
}

bool ScriptedWinHttp::setCredentials(HttpHandle, std::uint32_t target, std::uint32_t scheme,
                                     const char16_t* user, const char16_t* password) {
    return record("WinHttpSetCredentials",
                  number(target) + " " + number(scheme) + " " + utf8(user) + " " + utf8(password));
}

bool ScriptedWinHttp::setOption(HttpHandle, std::uint32_t option, std::uint32_t value) {
    return record("WinHttpSetOption", number(option) + " " + number(value));
}

bool ScriptedWinHttp::addRequestHeaders(HttpHandle, const char16_t* headers, std::uint32_t length,
                                        std::uint32_t modifiers) {
    const std::u16string text = headers ? std::u16string(headers, length) : std::u16string();
    return record("WinHttpAddRequestHeaders",
                  codepage::fromUtf16(text, codepage::kUtf8) + "|" + number(modifiers));
}

bool ScriptedWinHttp::sendRequest(HttpHandle, const std::uint8_t* body, std::uint32_t length) {
    return record("WinHttpSendRequest", std::string(reinterpret_cast<const char*>(body), length));
}

bool ScriptedWinHttp::receiveResponse(HttpHandle) {
    return record("WinHttpReceiveResponse", "");
}

bool ScriptedWinHttp::queryDataAvailable(HttpHandle, std::uint32_t& available) {
    available =
        nextChunk_ < chunks.size() ? static_cast<std::uint32_t>(chunks[nextChunk_].size()) : 0;
    return record("WinHttpQueryDataAvailable", "");
}

bool ScriptedWinHttp::readData(HttpHandle, std::uint8_t* buffer, std::uint32_t size,
                               std::uint32_t& read) {
    if (!record("WinHttpReadData", number(size))) {
        return false;
    }
    const Bytes& chunk = chunks.at(nextChunk_++);
    read = static_cast<std::uint32_t>(std::min<std::size_t>(size, chunk.size()));
    std::memcpy(buffer, chunk.data(), read);
    return true;
}

bool ScriptedWinHttp::queryHeaders(HttpHandle, std::uint32_t infoLevel, void* buffer,
                                   std::uint32_t& bytes) {
    const std::u16string wide = codepage::toUtf16(headerBlock, codepage::kUtf8);
    const std::uint32_t needed = static_cast<std::uint32_t>((wide.size() + 1) * 2);
    if (!record("WinHttpQueryHeaders", number(infoLevel) + (buffer ? " buffer" : " size")) ||
        !buffer || bytes < needed) {
        bytes = needed;
        return false;
    }
    std::memcpy(buffer, wide.c_str(), needed);
    bytes = needed - 2;
    return true;
}

bool ScriptedWinHttp::closeHandle(HttpHandle handle) {
    openHandles.erase(handle);
    return record("WinHttpCloseHandle", "");
}
