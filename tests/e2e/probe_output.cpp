#include "probe_output.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

FactLine::~FactLine() {
    line_ += '\n';
    std::fwrite(line_.data(), 1, line_.size(), stdout);
}

FactLine& FactLine::operator<<(long long number) {
    line_ += '\t' + std::to_string(number);
    return *this;
}

FactLine& FactLine::operator<<(const char* word) {
    line_ += '\t';
    line_ += word;
    return *this;
}

FactLine& FactLine::operator<<(const std::wstring& text) {
    std::wstring escaped;
    for (wchar_t c : text) {
        switch (c) {
            case L'\\':
                escaped += L"\\\\";
                break;
            case L'\t':
                escaped += L"\\t";
                break;
            case L'\r':
                escaped += L"\\r";
                break;
            case L'\n':
                escaped += L"\\n";
                break;
            default:
                escaped += c;
        }
    }
    std::string utf8(escaped.size() * 3, '\0');
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, escaped.data(), static_cast<int>(escaped.size()),
                            utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(std::max(length, 0)));
    line_ += '\t' + utf8;
    return *this;
}

FactLine& FactLine::operator<<(const RECT& rect) {
    return *this << rect.left << rect.top << rect.right << rect.bottom;
}

void useBinaryOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}
