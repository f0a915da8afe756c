#include "list_file_format.h"

#include <algorithm>
#include <utility>

#include "common/well_formed_utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

std::optional<ListEntry> readEntry(std::string_view line) {
    const std::size_t tab = line.find('\t');
    if (line.size() > kLongestListLine || tab == std::string_view::npos || tab + 1 == line.size() ||
        !isUtf8(line)) {
        return std::nullopt;
    }
    const std::string_view title = line.substr(0, tab);
    const std::string_view address = line.substr(tab + 1);
    if (std::any_of(title.begin(), title.end(), isControl) ||
        std::any_of(address.begin(), address.end(), isControl)) {
        return std::nullopt;
    }
    return ListEntry{std::string(title), std::string(address)};
}

std::string oneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(line.begin(), line.end(), isControl, ' ');
    return line;
}

}  // namespace

ListFileContents readListFile(std::string_view bytes) {
    ListFileContents contents;
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    bool firstLine = true;  // blank lines not counted
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            contents.whole = false;
            bytes = {};
        } else {
            bytes.remove_prefix(end + 1);
        }
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        const bool first = std::exchange(firstLine, false);
        if (line.front() == '#') {
            // The first line says what the file is, and each writing writes it
            // anew; a comment anywhere else is a person's own.
            contents.whole = contents.whole && first;
            continue;
        }
        if (std::optional<ListEntry> entry = readEntry(line)) {
            contents.entries.push_back(std::move(*entry));
        } else {
            contents.whole = false;
        }
    }
    return contents;
}

std::string writeListFile(std::string_view comment, const std::vector<ListEntry>& entries) {
    std::size_t size = comment.size() + 3;
    for (const ListEntry& entry : entries) {
        size += entry.title.size() + entry.address.size() + 2;
    }
    std::string text;
    text.reserve(size);
    text.append("# ").append(comment).push_back('\n');
    for (const ListEntry& entry : entries) {
        text.append(entry.title).append(1, '\t').append(entry.address).push_back('\n');
    }
    return text;
}

std::optional<ListEntry> fitListEntry(std::string_view title, std::string_view address) {
    ListEntry entry{oneLine(title), oneLine(address)};
    if (entry.address.empty() || entry.address.size() >= kLongestListLine) {
        return std::nullopt;
    }
    if (entry.title.starts_with('#')) {
        entry.title.insert(0, 1, ' ');
    }
    const std::size_t room = kLongestListLine - 1 - entry.address.size();
    if (entry.title.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && isContinuation(static_cast<unsigned char>(entry.title[cut]))) {
            --cut;
        }
        entry.title.resize(cut);
    }
    return entry;
}
