#include "my_lists/list_file_format.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<ListEntry>;

const ListEntry a{"A", "http://h/a.mp4"};
const ListEntry b{"B", "http://h/b.mp4"};
// 中文 in UTF-8.
const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87";

struct ReadCase {
    const char* what;
    std::string bytes;
    Entries entries;
    bool whole;
};

TEST(ListFileFormatTest, ReadsEveryEntryAndTellsWhatAWriteWouldNotKeep) {
    const std::string longest(kLongestListLine - 2, 'x');
    const ReadCase cases[] = {
        {"as written", "# c\nA\thttp://h/a.mp4\nB\thttp://h/b.mp4\n", {a, b}, true},
        {"no comment", "A\thttp://h/a.mp4\n", {a}, true},
        {"empty", "", {}, true},
        {"byte-order mark and CRLF", "\xEF\xBB\xBF# c\r\nA\thttp://h/a.mp4\r\n", {a}, true},
        {"blank lines", "\n# c\n\r\nA\thttp://h/a.mp4\n\n", {a}, true},
        {"empty title", "\thttp://h/a.mp4\n", {{"", "http://h/a.mp4"}}, true},
        {"Chinese and a four-byte character",
         chinese + "\xF0\x9F\x98\x80\thttp://h/" + chinese + "\n",
         {{chinese + "\xF0\x9F\x98\x80", "http://h/" + chinese}},
         true},
        {"a line of the longest length", longest + "\tu\n", {{longest, "u"}}, true},
        {"a line one byte longer", longest + "x\tu\nA\thttp://h/a.mp4\n", {a}, false},
        {"a person's comment", "# c\nA\thttp://h/a.mp4\n# mine\n", {a}, false},
        {"a comment after an entry first", "A\thttp://h/a.mp4\n# c\n", {a}, false},
        {"a line without a tab", "no tab\nA\thttp://h/a.mp4\n", {a}, false},
        {"a line without an address", "A\t\nB\thttp://h/b.mp4\n", {b}, false},
        {"a second tab", "A\tB\tu\n", {}, false},
        {"a carriage return inside", "A\rB\tu\n", {}, false},
        {"zero bytes", std::string(12, '\0') + "\nA\thttp://h/a.mp4\n", {a}, false},
        {"GBK bytes", "\xD6\xD0\xCE\xC4\tu\nA\thttp://h/a.mp4\n", {a}, false},
        {"a stray continuation byte", "\x80\tu\n", {}, false},
        {"an overlong encoding", "\xC0\xAF\tu\n", {}, false},
        {"a surrogate", "\xED\xA0\x80\tu\n", {}, false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80\tu\n", {}, false},
        {"a character cut at the line end", "A\tu\xE4\xB8\n", {}, false},
        {"a last line without its line end", "A\thttp://h/a.mp4\nB\thttp://h/b.mp4", {a, b}, false},
        {"a file cut inside its last line", "A\thttp://h/a.mp4\nB", {a}, false},
    };
    for (const ReadCase& test : cases) {
        const ListFileContents read = readListFile(test.bytes);
        EXPECT_EQ(read.entries, test.entries) << test.what;
        EXPECT_EQ(read.whole, test.whole) << test.what;
    }
}

struct FitCase {
    const char* what;
    std::string title;
    std::string address;
    std::optional<ListEntry> fitted;
};

TEST(ListFileFormatTest, EntriesAreMadeToFitOneLine) {
    const std::string room(kLongestListLine - 1 - 4, 'x');
    const FitCase cases[] = {
        {"plain", "A", "http://h/a.mp4", a},
        {"tabs and line breaks", "A\tB\r\nC\n", "u\tv", ListEntry{"A B  C ", "u v"}},
        {"a title like a comment", "#1 A", "u", ListEntry{" #1 A", "u"}},
        {"an empty address", "A", "", std::nullopt},
        {"an address filling the line", "A", std::string(kLongestListLine - 1, 'u'),
         ListEntry{"", std::string(kLongestListLine - 1, 'u')}},
        {"an address too long", "A", std::string(kLongestListLine, 'u'), std::nullopt},
        {"a title cut to the line", room + "yz", "uuuu", ListEntry{room, "uuuu"}},
        {"a title cut before a character", room + chinese, "uuuu", ListEntry{room, "uuuu"}},
        {"a title cut inside a character", room.substr(1) + chinese, "uuuu",
         ListEntry{room.substr(1), "uuuu"}},
        {"a title cut after a character", room.substr(3) + chinese, "uuuu",
         ListEntry{room.substr(3) + chinese.substr(0, 3), "uuuu"}},
    };
    for (const FitCase& test : cases) {
        EXPECT_EQ(fitListEntry(test.title, test.address), test.fitted) << test.what;
    }
}

TEST(ListFileFormatTest, WrittenEntriesReadBackWhole) {
    Entries entries;
    for (const auto& [title, address] : std::vector<std::pair<std::string, std::string>>{
             {"A", "http://h/a.mp4"},
             {"#title\tand\ttabs\r\n", "http://h/b c.mp4"},
             {std::string(kLongestListLine, '#'), "u"},
             {"", "\t"},
             {chinese, chinese}}) {
        entries.push_back(*fitListEntry(title, address));
    }
    const std::string text = writeListFile("what this is", entries);
    EXPECT_EQ(text.substr(0, 18), "# what this is\nA\th");
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const ListFileContents read = readListFile(text);
    EXPECT_EQ(read.entries, entries);
    EXPECT_TRUE(read.whole);
}

}  // namespace
