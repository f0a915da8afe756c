#include "playlist_text.h"

#include <limits>
#include <utility>

#include "common/codepage.h"
#include "common/well_formed_utf8.h"
#include "playlist_reader.h"

namespace {

// Lines are decoded a batch of about this many bytes at a time, so the
// decoded text of a large playlist never exists whole.
constexpr std::size_t kBatchBytes = 256u << 10;

// The length of the line end at `at` (CR LF is one end), 0 at the very end.
template <class Text>
std::size_t lineEndLength(const Text& text, std::size_t at) {
    if (at == text.size()) {
        return 0;
    }
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

template <class Text>
std::size_t findLineEnd(const Text& text, std::size_t from) {
    while (from < text.size() && text[from] != '\n' && text[from] != '\r') {
        ++from;
    }
    return from;
}

unsigned char byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// UTF-16 in the byte order given; an odd last byte is dropped and a lone
// surrogate becomes U+FFFD, so the text handed on is always well formed.
std::u16string utf16Text(std::string_view bytes, bool bigEndian) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned first = byteAt(bytes, 2 * i);
        const unsigned second = byteAt(bytes, 2 * i + 1);
        text[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (high || low) {
            text[i] = u'\xFFFD';
        }
    }
    return text;
}

// Turns each GBK lead byte that has no valid second byte into '?'. Some
// decoders take the byte after a lead byte into the character whatever it
// is, which would swallow a line end.
void mendGbk(std::string& batch) {
    for (std::size_t i = 0; i < batch.size(); ++i) {
        const auto byte = static_cast<unsigned char>(batch[i]);
        if (byte < 0x81 || byte > 0xFE) {
            continue;
        }
        const auto next = i + 1 < batch.size() ? static_cast<unsigned char>(batch[i + 1]) : 0;
        if ((next >= 0x40 && next <= 0x7E) || (next >= 0x80 && next <= 0xFE)) {
            ++i;
        } else {
            batch[i] = '?';
        }
    }
}

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

PlaylistText::PlaylistText(std::string_view bytes)
    : unitLimit_(std::numeric_limits<std::size_t>::max()) {
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        decoded_ = utf16Text(bytes.substr(2), bytes[0] == '\xFE');
        unitLimit_ = kPlaylistLineLimit / 2;
    } else if (startsWith(bytes, "\xEF\xBB\xBF")) {
        rest_ = bytes.substr(3);
        codePage_ = codepage::kUtf8;
    } else {
        rest_ = bytes;
        codePage_ = isUtf8(bytes) ? codepage::kUtf8 : codepage::kGbk;
    }
}

bool PlaylistText::decodeBatch() {
    // Whole lines of up to kBatchBytes together, each within the limit, or
    // one longer line alone, passed over when it is over the limit.
    static_assert(kBatchBytes < kPlaylistLineLimit);
    std::size_t end = 0;
    while (end == 0 && !rest_.empty()) {
        if (rest_.size() <= kBatchBytes) {
            end = rest_.size();
        } else if (const std::size_t last = rest_.find_last_of("\r\n", kBatchBytes - 1);
                   last != std::string_view::npos) {
            end = last + lineEndLength(rest_, last);
        } else {
            const std::size_t lineEnd = findLineEnd(rest_, 0);
            const std::size_t next = lineEnd + lineEndLength(rest_, lineEnd);
            if (lineEnd <= kPlaylistLineLimit) {
                end = next;
            } else {
                rest_.remove_prefix(next);
            }
        }
    }
    if (end == 0) {
        return false;
    }
    const std::string_view batch = rest_.substr(0, end);
    rest_.remove_prefix(end);
    if (codePage_ == codepage::kGbk) {
        gbkBatch_.assign(batch);
        mendGbk(gbkBatch_);
        decoded_ = codepage::toUtf16(gbkBatch_, codePage_);
    } else {
        decoded_ = codepage::toUtf16(batch, codePage_);
    }
    at_ = 0;
    return true;
}

bool PlaylistText::nextLine(std::u16string_view& line) {
    for (;;) {
        if (at_ == decoded_.size() && (codePage_ == 0 || !decodeBatch())) {
            return false;
        }
        // One pass finds the line end and any other control character.
        bool broken = false;
        std::size_t end = at_;
        for (; end < decoded_.size(); ++end) {
            const char16_t c = decoded_[end];
            if (c <= u'\x9F' && (c < u' ' || c >= u'\x7F') && c != u'\t') {
                if (c == u'\n' || c == u'\r') {
                    break;
                }
                broken = true;
            }
        }
        const std::size_t start = std::exchange(at_, end + lineEndLength(decoded_, end));
        if (!broken && end - start <= unitLimit_) {
            line = std::u16string_view(decoded_).substr(start, end - start);
            return true;
        }
    }
}

std::u16string_view trimBlanks(std::u16string_view text) {
    const auto blank = [](char16_t c) {
        return c == u' ' || c == u'\t' || c == u'\xA0' || c == u'\x3000' || c == u'\xFEFF';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool startsWithFolded(std::u16string_view text, std::u16string_view lowerCase) {
    if (text.size() < lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lowerCase.size(); ++i) {
        const char16_t c = text[i];
        if ((c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c) != lowerCase[i]) {
            return false;
        }
    }
    return true;
}
