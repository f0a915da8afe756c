#include "utf8_to_gbk.h"

#include "codepage.h"

Text utf8ToGbk(std::string_view utf8) {
    Text gbk = codepage::fromUtf16(codepage::toUtf16(utf8, codepage::kUtf8), codepage::kGbk);
    return gbk.substr(0, gbk.find('\0'));
}

std::string gbkToUtf8(std::string_view gbk) {
    return codepage::fromUtf16(codepage::toUtf16(gbk, codepage::kGbk), codepage::kUtf8);
}
