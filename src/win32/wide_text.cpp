#include "wide_text.h"

#include "common/codepage.h"

std::wstring toWide(std::string_view gbkText) {
    std::u16string wide = codepage::toUtf16(gbkText, codepage::kGbk);
    return std::wstring(wide.begin(), wide.end());
}

Text fromWide(std::wstring_view wideText) {
    return codepage::fromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(wideText.data()), wideText.size()),
        codepage::kGbk);
}

std::string toUtf8(std::wstring_view wideText) {
    return codepage::fromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(wideText.data()), wideText.size()),
        codepage::kUtf8);
}

std::wstring fromUtf8(std::string_view utf8Text) {
    std::u16string wide = codepage::toUtf16(utf8Text, codepage::kUtf8);
    return std::wstring(wide.begin(), wide.end());
}
