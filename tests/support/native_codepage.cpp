// Code-page conversion on the host through iconv, standing in for the
// platform's MultiByteToWideChar/WideCharToMultiByte.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "common/codepage.h"

namespace {

const char* iconvName(unsigned codePage) {
    switch (codePage) {
        case codepage::kGbk:
            return "GBK";
        case codepage::kUtf8:
            return "UTF-8";
        case codepage::kBig5:
            return "BIG5";
        case codepage::kShiftJis:
            return "CP932";
        case codepage::kEucKr:
            return "EUC-KR";
        case codepage::kGb18030:
            return "GB18030";
        case codepage::kLatin1:
            return "ISO-8859-1";
        case codepage::kAscii:
            return "ASCII";
        default:
            if (codePage >= 1250 && codePage <= 1258) {
                static const char* const windows[] = {"CP1250", "CP1251", "CP1252",
                                                      "CP1253", "CP1254", "CP1255",
                                                      "CP1256", "CP1257", "CP1258"};
                return windows[codePage - 1250];
            }
            throw std::invalid_argument("code page without a host converter");
    }
}

class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv_open failed");
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible straight into a string of `Out`'s units,
    // grown as needed; on an invalid unit, writes `replacement` and skips
    // `skip` input bytes.
    template <class Out>
    Out run(const char* in, std::size_t inLength, typename Out::value_type replacement,
            std::size_t skip) {
        using Unit = typename Out::value_type;
        Out out(inLength + 8, Unit{});
        std::size_t used = 0;
        while (inLength > 0) {
            char* inPtr = const_cast<char*>(in);
            char* outPtr = reinterpret_cast<char*>(out.data() + used);
            std::size_t outLeft = (out.size() - used) * sizeof(Unit);
            const std::size_t result = iconv(handle_, &inPtr, &inLength, &outPtr, &outLeft);
            const int error = errno;
            used = out.size() - outLeft / sizeof(Unit);
            in = inPtr;
            if (result != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (error == E2BIG || used == out.size()) {
                out.resize(out.size() * 2);
            }
            if (error != E2BIG) {
                out[used++] = replacement;
                const std::size_t step = std::min(skip, inLength);
                in += step;
                inLength -= step;
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        out.resize(used);
        return out;
    }

  private:
    iconv_t handle_;
};

}  // namespace

namespace codepage {

std::u16string toUtf16(std::string_view bytes, unsigned codePage) {
    Converter converter("UTF-16LE", iconvName(codePage));
    const char16_t replacement = codePage == kUtf8 ? u'\xFFFD' : u'?';
    return converter.run<std::u16string>(bytes.data(), bytes.size(), replacement, 1);
}

// The platform's flags have no iconv counterpart; composite checking changes
// nothing for the texts the program converts.
std::string fromUtf16(std::u16string_view text, unsigned codePage, unsigned) {
    Converter converter(iconvName(codePage), "UTF-16LE");
    return converter.run<std::string>(reinterpret_cast<const char*>(text.data()), text.size() * 2,
                                      '?', 2);
}

}  // namespace codepage
