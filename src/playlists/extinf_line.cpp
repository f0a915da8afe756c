#include "extinf_line.h"

#include "playlist_text.h"

namespace {

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t';
}

// Where the title begins: after the first comma outside quotes; when a quote
// is left open, after the first comma at all.
std::size_t titleComma(std::u16string_view text) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'"') {
            quoted = !quoted;
        } else if (text[i] == u',' && !quoted) {
            return i;
        }
    }
    return text.find(u',');
}

// The value of attribute `name` (lower case) among the words of `head`.
std::u16string_view attribute(std::u16string_view head, std::u16string_view name) {
    std::size_t at = 0;
    while (at < head.size()) {
        if (isSpace(head[at])) {
            ++at;
            continue;
        }
        const std::size_t nameStart = at;
        while (at < head.size() && head[at] != u'=' && !isSpace(head[at])) {
            ++at;
        }
        const std::u16string_view key = head.substr(nameStart, at - nameStart);
        if (at == head.size() || head[at] != u'=') {
            continue;  // a word without a value, such as the duration
        }
        std::u16string_view value;
        if (++at < head.size() && head[at] == u'"') {
            const std::size_t close = head.find(u'"', at + 1);
            value = head.substr(at + 1, close - (at + 1));
            at = close == std::u16string_view::npos ? head.size() : close + 1;
        } else {
            const std::size_t valueStart = at;
            while (at < head.size() && !isSpace(head[at])) {
                ++at;
            }
            value = head.substr(valueStart, at - valueStart);
        }
        if (key.size() == name.size() && startsWithFolded(key, name)) {
            return trimBlanks(value);
        }
    }
    return {};
}

}  // namespace

ExtinfLine readExtinf(std::u16string_view text) {
    const std::size_t comma = titleComma(text);
    if (comma == std::u16string_view::npos) {
        return {{}, attribute(text, u"group-title")};
    }
    return {trimBlanks(text.substr(comma + 1)), attribute(text.substr(0, comma), u"group-title")};
}
