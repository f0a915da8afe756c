#include "charset_decoding.h"

#include "common/automation.h"
#include "common/codepage.h"
#include "common/text.h"

namespace {

constexpr std::int32_t kBinary = 1;
constexpr std::int32_t kTextType = 2;
constexpr std::int32_t kReadWrite = 3;

struct NamedCodePage {
    const char* name;
    unsigned codePage;
};

constexpr NamedCodePage kCharsets[] = {
    {"utf-8", codepage::kUtf8},
    {"utf8", codepage::kUtf8},
    {"big5", codepage::kBig5},
    {"shift_jis", codepage::kShiftJis},
    {"shift-jis", codepage::kShiftJis},
    {"sjis", codepage::kShiftJis},
    {"euc-kr", codepage::kEucKr},
    {"gb18030", codepage::kGb18030},
    {"gbk", codepage::kGbk},
    {"gb2312", codepage::kGbk},
    {"iso-8859-1", codepage::kLatin1},
    {"latin1", codepage::kLatin1},
    {"us-ascii", codepage::kAscii},
    {"ascii", codepage::kAscii},
    {"windows-1250", 1250},
    {"windows-1251", 1251},
    {"windows-1252", 1252},
    {"windows-1253", 1253},
    {"windows-1254", 1254},
    {"windows-1255", 1255},
    {"windows-1256", 1256},
    {"windows-1257", 1257},
    {"windows-1258", 1258},
};

// The system's stream object turns the bytes into text of the charset. A
// stream that refuses one of the settings, the charset name above all, would
// read the bytes in its default charset into garbled text: then nothing.
std::optional<Text> decodeWithStream(const Bytes& body, const Text& charset) {
    const ObjectRef stream = createObject("Adodb.Stream");
    if (!stream) {
        return std::nullopt;
    }
    const bool binaryOpen =
        automation::put(stream, "Type", kBinary) && automation::put(stream, "Mode", kReadWrite);
    automation::call(stream, "Open");
    automation::call(stream, "Write", {Variant(body)});
    const bool readable = binaryOpen && automation::put(stream, "Position", std::int32_t{0}) &&
                          automation::put(stream, "Type", kTextType) &&
                          automation::put(stream, "Charset", textValue(charset));
    const Variant text = readable ? automation::call(stream, "ReadText") : Variant();
    automation::call(stream, "Close");
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return asText(text);
}

}  // namespace

unsigned charsetCodePage(std::string_view charset) {
    for (const NamedCodePage& known : kCharsets) {
        if (gbk::compare(charset, known.name, false) == 0) {
            return known.codePage;
        }
    }
    return 0;
}

std::optional<Text> decodeCharset(const Bytes& body, const Text& charset) {
    if (auto decoded = decodeWithStream(body, charset)) {
        return decoded;
    }
    const unsigned codePage = charsetCodePage(charset);
    if (codePage == 0) {
        return std::nullopt;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(body.data()), body.size());
    return codepage::fromUtf16(codepage::toUtf16(bytes, codePage), codepage::kGbk);
}
