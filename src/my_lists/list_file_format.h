#pragma once
// The text of a list file (favourites, recently played): UTF-8 without a
// byte-order mark and with LF line ends; a first line starting with "#" that
// says what the file is; then one entry a line: its title, a tab, its media
// address. Reading also takes a byte-order mark, CRLF line ends and blank
// lines.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An entry's texts in UTF-8.
struct ListEntry {
    std::string title;
    std::string address;

    bool operator==(const ListEntry&) const = default;
};

// The longest line of a list file, its line end not counted.
inline constexpr std::size_t kLongestListLine = 8192;

struct ListFileContents {
    std::vector<ListEntry> entries;  // in the file's order
    // False when the file holds something that writing its entries back would
    // not keep: a line that is no entry (invalid UTF-8, longer than
    // kLongestListLine, without its tab or address, with a control
    // character), a comment after the first line, or a last line without its
    // line end (the file may have been cut short).
    bool whole = true;
};

ListFileContents readListFile(std::string_view bytes);

// The file's text: "# " and `comment` (UTF-8, one line), then the entries,
// each made by fitListEntry.
std::string writeListFile(std::string_view comment, const std::vector<ListEntry>& entries);

// The entry as a list file keeps it: every control character (tab, line
// break, ...) a space, a space before a title that starts with "#" (which
// would make it a comment), and the title shortened at a character boundary so
// that the line fits. Nothing when the address is empty or too long for a
// line.
std::optional<ListEntry> fitListEntry(std::string_view title, std::string_view address);
