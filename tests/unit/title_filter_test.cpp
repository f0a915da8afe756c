#include "find/title_filter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(TitleContainsTest, MatchesWholeCharactersWithLettersInEitherCase) {
    struct Case {
        const char* title;
        const char* text;
        bool contained;
    };
    const Case cases[] = {
        {"高清战争归来", "战争", true},
        {"高清战争归来", "战争片", false},
        {"Nuvri老司机", "nUVRI", true},
        {"第17集ABC", "7集a", true},
        {"任何标题", "", true},
        {"", "a", false},
        // 癆 is B0 41 and 癮 B0 61: their second bytes look like A and a.
        {"癆", "A", false},
        {"癆", "a", false},
        {"癆a", "A", true},
        {"癆", "癮", false},
        {"x癆", "X癆", true},
        // 亊 is 81 7E: its second byte looks like "~".
        {"亊", "~", false},
        // 你好 is C4 E3 BA C3; 愫 (E3 BA) lies across its two characters.
        {"你好", "愫", false},
        {"你好", "好", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(titleContains(c.title, c.text), c.contained)
            << "\"" << c.title << "\" / \"" << c.text << "\"";
    }
}

// The plain definition: the text's characters, in a row, among the title's
// characters, stepped from the start; single bytes compare with ASCII letters
// folded, double-byte characters exactly.
std::vector<Text> characters(const Text& text) {
    std::vector<Text> result;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t size = byte >= 0x81 && byte <= 0xFE && at + 1 < text.size() ? 2 : 1;
        result.push_back(text.substr(at, size));
        at += size;
    }
    return result;
}

bool sameCharacter(const Text& a, const Text& b) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == 1 && b.size() == 1 ? fold(a[0]) == fold(b[0]) : a == b;
}

bool referenceContains(const Text& title, const Text& text) {
    const std::vector<Text> haystack = characters(title);
    const std::vector<Text> needle = characters(text);
    for (std::size_t start = 0; start + needle.size() <= haystack.size(); ++start) {
        std::size_t i = 0;
        while (i < needle.size() && sameCharacter(haystack[start + i], needle[i])) {
            ++i;
        }
        if (i == needle.size()) {
            return true;
        }
    }
    return needle.empty();
}

TEST(TitleFilterTest, KeepsWhatThePlainDefinitionKeepsAsTheTextIsTypedAndChanged) {
    // Titles of any bytes, lead-range runs and letter-like second bytes among
    // them; texts of whole characters, as the find field gives them.
    const char titleBytes[] = {'a', 'A', 'b', '~', '@', '\x81', '\xB0', '\xC4', '\xE3', '\xBA'};
    const char* const typed[] = {"a", "A", "b", "~", "@", "癆", "癮", "亊", "你", "好", "愫"};
    std::mt19937 random(21);
    for (int round = 0; round < 300; ++round) {
        std::vector<Text> titles(40);
        for (Text& title : titles) {
            title.resize(random() % 10);
            for (char& c : title) {
                c = titleBytes[random() % sizeof titleBytes];
            }
        }
        TitleFilter filter(titles);
        Text text;
        for (int step = 0; step < 12; ++step) {
            switch (random() % 4) {
                case 0:
                case 1:  // typed at the end
                    text += typed[random() % std::size(typed)];
                    break;
                case 2:  // the last character taken back
                    if (!text.empty()) {
                        text.resize(text.size() - characters(text).back().size());
                    }
                    break;
                default:  // replaced at once
                    text = typed[random() % std::size(typed)];
                    break;
            }
            std::vector<std::int32_t> expected;
            for (std::size_t row = 0; row < titles.size(); ++row) {
                if (referenceContains(titles[row], text)) {
                    expected.push_back(static_cast<std::int32_t>(row));
                }
            }
            ASSERT_EQ(filter.keep(text), expected) << "round " << round << ", text " << text;
        }
    }
}

}  // namespace
