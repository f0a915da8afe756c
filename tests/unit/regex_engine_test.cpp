#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "textmatch/engine/regex.h"

namespace {

using regex::Flags;
using regex::Regex;
using regex::Span;
using namespace std::literals;

constexpr Flags kPlain{};
constexpr Flags kIgnoreCase{true, false};
constexpr Flags kMultiline{false, true};
// How the program applies its own patterns.
constexpr Flags kProgram{true, true};

const char16_t kItemPattern[] = u"<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\" />";
const char16_t kSpacedItemPattern[] = u"<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\"  />";
const char16_t kCharsetPattern[] = u"<meta.+?charset=[^\\w]?([-\\w]+)";

// ASCII as itself, anything else as \u{XXXX}, so failures print readably.
std::string printable(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            out.push_back(static_cast<char>(unit));
        } else {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\u{%X}", static_cast<unsigned>(unit));
            out += buffer;
        }
    }
    return out;
}

std::string describe(std::u16string_view subject, const std::vector<Span>& captures) {
    std::string out = "@" + std::to_string(captures[0].start);
    for (const Span& span : captures) {
        out += span.start < 0
                   ? " -"
                   : " '" + printable(subject.substr(span.start, span.end - span.start)) + "'";
    }
    return out;
}

// The first match as "@start 'whole' 'group1' - ..." (- for a group that took
// no part), "no match", or "rejected".
std::string firstMatch(std::u16string_view pattern, std::u16string_view subject,
                       Flags flags = kPlain, std::size_t from = 0) {
    std::optional<Regex> regex = Regex::compile(pattern, flags);
    if (!regex) {
        return "rejected";
    }
    std::vector<Span> captures;
    if (!regex->search(subject, from, captures)) {
        return "no match";
    }
    EXPECT_EQ(captures.size(), static_cast<std::size_t>(regex->groupCount()) + 1);
    return describe(subject, captures);
}

// Every match, stepping one unit past an empty match.
std::vector<std::vector<Span>> allMatches(const Regex& regex, std::u16string_view subject,
                                          regex::SearchStats* stats = nullptr) {
    std::vector<std::vector<Span>> matches;
    std::vector<Span> captures;
    std::size_t from = 0;
    while (from <= subject.size() && regex.search(subject, from, captures, stats)) {
        matches.push_back(captures);
        from = captures[0].end + (captures[0].end == captures[0].start ? 1 : 0);
    }
    return matches;
}

bool accepts(std::u16string_view pattern) {
    return Regex::compile(pattern, kPlain).has_value();
}

std::u16string repeated(std::u16string_view piece, std::size_t minUnits) {
    std::u16string out;
    out.reserve(minUnits + piece.size());
    while (out.size() < minUnits) {
        out += piece;
    }
    return out;
}

std::u16string text(const std::u16string& subject, Span span) {
    return subject.substr(span.start, span.end - span.start);
}

TEST(RegexEngineTest, CharacterEscapes) {
    EXPECT_EQ(firstMatch(u"\\t\\n\\v\\f\\r\\0", u"x\t\n\v\f\r\0y"sv),
              "@1 '\\u{9}\\u{A}\\u{B}\\u{C}\\u{D}\\u{0}'");
    EXPECT_EQ(firstMatch(u"\\x41\\u4e2D\\cJ\\cj", u"A\u4e2d\n\n"), "@0 'A\\u{4E2D}\\u{A}\\u{A}'");
    EXPECT_EQ(firstMatch(u"\\.\\/\\\"\\-\\a", u"x./\"-a"), "@1 './\"-a'");
    EXPECT_EQ(firstMatch(u"\\012\\101", u"\nA"), "rejected");  // \1.. is a backreference
    EXPECT_EQ(firstMatch(u"\\012", u"a\n"), "@1 '\\u{A}'");
    // Incomplete escapes stand for their letters, a lone \c for a backslash.
    EXPECT_EQ(firstMatch(u"\\x4g\\u12\\c1", u"x4gu12\\c1"), "@0 'x4gu12\\c1'");
}

TEST(RegexEngineTest, CharacterClasses) {
    EXPECT_EQ(firstMatch(u"[a-c]+", u"xxcabd"), "@2 'cab'");
    EXPECT_EQ(firstMatch(u"[^a-c]+", u"abxyc"), "@2 'xy'");
    EXPECT_EQ(firstMatch(u"[\\d.]+", u"v1.25x"), "@1 '1.25'");
    EXPECT_EQ(firstMatch(u"[\\b]", u"a\bb"), "@1 '\\u{8}'");
    EXPECT_EQ(firstMatch(u"[\\w-]+", u"!utf-8!"), "@1 'utf-8'");
    EXPECT_EQ(firstMatch(u"[a-]+", u"x-a-"), "@1 '-a-'");
    EXPECT_EQ(firstMatch(u"[\\d-z]+", u"a5-zq"), "@1 '5-z'");  // a set cannot bound a range
    EXPECT_EQ(firstMatch(u"[\\]\\\\]+", u"a]\\b"), "@1 ']\\'");
    EXPECT_EQ(firstMatch(u"[\\x41-\\x43]+", u"zABCD"), "@1 'ABC'");
    EXPECT_EQ(firstMatch(u"a[]", u"a]"), "no match");  // the empty class matches nothing
    EXPECT_EQ(firstMatch(u"a[^]b", u"a\nb"), "@0 'a\\u{A}b'");
}

TEST(RegexEngineTest, ClassEscapesCoverExactlyTheirSets) {
    EXPECT_EQ(firstMatch(u"\\w+", u"\u00e9ab_9Z\u00e9"), "@1 'ab_9Z'");
    EXPECT_EQ(firstMatch(u"\\W+", u"ab\u00e9 -c"), "@2 '\\u{E9} -'");
    EXPECT_EQ(firstMatch(u"\\d+", u"\u0661\uff1112"), "@2 '12'");
    EXPECT_EQ(firstMatch(u"\\D+", u"12ab3"), "@2 'ab'");
    EXPECT_EQ(firstMatch(u"\\s+", u"a \t\n\v\f\r\u0085\u00a0\u2028\u3000\ufeffb"),
              "@1 ' \\u{9}\\u{A}\\u{B}\\u{C}\\u{D}\\u{85}\\u{A0}\\u{2028}\\u{3000}'");
    EXPECT_EQ(firstMatch(u"\\s", u"a\u200bb"), "no match");  // zero-width space is no blank
    EXPECT_EQ(firstMatch(u"\\S+", u"  ab "), "@2 'ab'");
}

TEST(RegexEngineTest, StrayBracketsAndBracesAreLiteral) {
    EXPECT_EQ(firstMatch(u"a]b}", u"a]b}"), "@0 'a]b}'");
    EXPECT_EQ(firstMatch(u"{", u"x{"), "@1 '{'");
    EXPECT_EQ(firstMatch(u"a{", u"a{"), "@0 'a{'");
    EXPECT_EQ(firstMatch(u"a{1,", u"a{1,"), "@0 'a{1,'");
    EXPECT_EQ(firstMatch(u"a{,2}", u"a{,2}"), "@0 'a{,2}'");
    EXPECT_EQ(firstMatch(u"x*{", u"xx{"), "@0 'xx{'");
}

TEST(RegexEngineTest, MalformedPatternsAreRejected) {
    for (const char16_t* pattern :
         {u"(",    u"(a",      u")",       u"a)",     u"(a))",  u"*a", u"a|*",  u"a**",   u"a+*",
          u"a??+", u"{2}",     u"x{1}{2}", u"a{2,1}", u"[z-a]", u"[a", u"[",    u"\\",    u"a\\",
          u"[\\",  u"(?<=a)b", u"(?<n>a)", u"(?a)",   u"^*",    u"$+", u"\\b*", u"\\B{2}"}) {
        EXPECT_FALSE(accepts(pattern)) << printable(pattern);
    }
    for (const char16_t* pattern : {u"", u"()", u"a||b", u"(|)", u"(?:)", u"^$", u"a{0}"}) {
        EXPECT_TRUE(accepts(pattern)) << printable(pattern);
    }
}

TEST(RegexEngineTest, BackreferencesAreRejected) {
    EXPECT_FALSE(accepts(u"(a)\\1"));
    EXPECT_FALSE(accepts(u"\\1"));
    EXPECT_FALSE(accepts(u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\10"));
}

TEST(RegexEngineTest, GreedyAndLazyQuantifiers) {
    EXPECT_EQ(firstMatch(u"a+", u"baaa"), "@1 'aaa'");
    EXPECT_EQ(firstMatch(u"a+?", u"baaa"), "@1 'a'");
    EXPECT_EQ(firstMatch(u"a*?b", u"aab"), "@0 'aab'");
    EXPECT_EQ(firstMatch(u"<.*>", u"<a><b>"), "@0 '<a><b>'");
    EXPECT_EQ(firstMatch(u"<.*?>", u"<a><b>"), "@0 '<a>'");
    EXPECT_EQ(firstMatch(u"a??", u"a"), "@0 ''");
    EXPECT_EQ(firstMatch(u"a?", u"a"), "@0 'a'");
    EXPECT_EQ(firstMatch(u"a{2}", u"aaaa"), "@0 'aa'");
    EXPECT_EQ(firstMatch(u"a{2,3}", u"aaaa"), "@0 'aaa'");
    EXPECT_EQ(firstMatch(u"a{2,3}?", u"aaaa"), "@0 'aa'");
    EXPECT_EQ(firstMatch(u"a{2,}", u"aaaaa"), "@0 'aaaaa'");
    EXPECT_EQ(firstMatch(u"a{2,}?", u"aaaaa"), "@0 'aa'");
    EXPECT_EQ(firstMatch(u"ba{0}", u"ba"), "@0 'b'");
    EXPECT_EQ(firstMatch(u"a{3}", u"aab"), "no match");
    EXPECT_EQ(firstMatch(u"(?:ab){2}", u"abab"), "@0 'abab'");
}

TEST(RegexEngineTest, LeftmostMatchWithFirstAlternativePreferred) {
    EXPECT_EQ(firstMatch(u"(a|ab)(c|bcd)(d*)", u"abcd"), "@0 'abcd' 'a' 'bcd' ''");
    EXPECT_EQ(firstMatch(u"a|ab", u"ab"), "@0 'a'");
    EXPECT_EQ(firstMatch(u"b|ab", u"ab"), "@0 'ab'");
    EXPECT_EQ(firstMatch(u"(a+)(a*)", u"aaa"), "@0 'aaa' 'aaa' ''");
    EXPECT_EQ(firstMatch(u"(a+?)(a*)", u"aaa"), "@0 'aaa' 'a' 'aa'");
    EXPECT_EQ(firstMatch(u"(.*)(\\d+)", u"ab123"), "@0 'ab123' 'ab12' '3'");
    EXPECT_EQ(firstMatch(u"(.*?)(\\d+)", u"ab123"), "@0 'ab123' 'ab' '123'");
}

TEST(RegexEngineTest, CapturesFollowRepetitionRules) {
    // Each iteration forgets the captures of the one before.
    EXPECT_EQ(firstMatch(u"(z)((a+)?(b+)?(c))*", u"zaacbbbcac"),
              "@0 'zaacbbbcac' 'z' 'ac' 'a' - 'c'");
    EXPECT_EQ(firstMatch(u"(?:(a)|b)+", u"ab"), "@0 'ab' -");
    EXPECT_EQ(firstMatch(u"(?:(a)|b){2}", u"ab"), "@0 'ab' -");
    EXPECT_EQ(firstMatch(u"(a)|b", u"b"), "@0 'b' -");
    // An optional iteration that matches nothing is refused.
    EXPECT_EQ(firstMatch(u"(a*)*", u"b"), "@0 '' -");
    EXPECT_EQ(firstMatch(u"(a*)?", u"b"), "@0 '' -");
    EXPECT_EQ(firstMatch(u"(a*)+", u"b"), "@0 '' ''");
    EXPECT_EQ(firstMatch(u"(a|)*b", u"aab"), "@0 'aab' 'a'");
    EXPECT_EQ(firstMatch(u"(?:a*)*b", u"aaac"), "no match");
    EXPECT_EQ(firstMatch(u"(()|a)+b", u"ab"), "@0 'ab' 'a' -");
}

TEST(RegexEngineTest, Lookahead) {
    EXPECT_EQ(firstMatch(u"(?=(a+))", u"baaabac"), "@1 '' 'aaa'");
    EXPECT_EQ(firstMatch(u"(?=(a+?))a", u"baaa"), "@1 'a' 'a'");
    EXPECT_EQ(firstMatch(u"a(?=c)", u"abac"), "@2 'a'");
    EXPECT_EQ(firstMatch(u"a(?!b)", u"abac"), "@2 'a'");
    EXPECT_EQ(firstMatch(u"(?!(a)b)a.", u"abac"), "@2 'ac' -");
    EXPECT_EQ(firstMatch(u"(?=a(?=c))..", u"abac"), "@2 'ac'");
    EXPECT_EQ(firstMatch(u"(?=a)*b", u"b"), "@0 'b'");
    EXPECT_EQ(firstMatch(u"\\w+(?=;)", u"ab; cd;"), "@0 'ab'");
}

TEST(RegexEngineTest, DotStopsAtLineTerminators) {
    EXPECT_EQ(firstMatch(u"a.c", u"a\nc a\rc a\u2028c a\u2029c a\tc"), "@16 'a\\u{9}c'");
    EXPECT_EQ(firstMatch(u".+", u"\u4e2d\u0085\u00a0\n"), "@0 '\\u{4E2D}\\u{85}\\u{A0}'");
}

TEST(RegexEngineTest, AnchorsAndWordBoundaries) {
    EXPECT_EQ(firstMatch(u"^b", u"a\nb"), "no match");
    EXPECT_EQ(firstMatch(u"^b", u"a\nb", kMultiline), "@2 'b'");
    EXPECT_EQ(firstMatch(u"a$", u"a\nb"), "no match");
    EXPECT_EQ(firstMatch(u"a$", u"a\r\nb", kMultiline), "@0 'a'");
    EXPECT_EQ(firstMatch(u"^b$", u"a\u2028b\u2029c", kMultiline), "@2 'b'");
    EXPECT_EQ(firstMatch(u"^$", u"a\r\n", kMultiline), "@2 ''");
    EXPECT_EQ(firstMatch(u"^", u"ab", kMultiline, 1), "no match");
    EXPECT_EQ(firstMatch(u"$", u"ab", kPlain, 1), "@2 ''");
    EXPECT_EQ(firstMatch(u"\\bcat\\b", u"concat cat"), "@7 'cat'");
    EXPECT_EQ(firstMatch(u"\\Bcat", u"cat concat"), "@7 'cat'");
    EXPECT_EQ(firstMatch(u"\\b\u00e9", u"a\u00e9"), "@1 '\\u{E9}'");  // e-acute is no word char
}

TEST(RegexEngineTest, IgnoreCaseFoldsAsciiLettersOnly) {
    EXPECT_EQ(firstMatch(u"hello", u"HeLLo"), "no match");
    EXPECT_EQ(firstMatch(u"hello", u"HeLLo", kIgnoreCase), "@0 'HeLLo'");
    EXPECT_EQ(firstMatch(u"[a-z]+", u"1QwE", kIgnoreCase), "@1 'QwE'");
    EXPECT_EQ(firstMatch(u"[^a]", u"Ab", kIgnoreCase), "@1 'b'");
    EXPECT_EQ(firstMatch(u"[@-Z]+", u"`abc", kIgnoreCase), "@1 'abc'");
    EXPECT_EQ(firstMatch(u"\u00e9", u"\u00c9", kIgnoreCase), "no match");
    EXPECT_EQ(firstMatch(u"[\u03b1-\u03c9]", u"\u0391", kIgnoreCase), "no match");
    EXPECT_EQ(firstMatch(u"\u0436", u"\u0416", kIgnoreCase), "no match");
    EXPECT_EQ(firstMatch(u"\uff41", u"\uff21", kIgnoreCase), "no match");
}

TEST(RegexEngineTest, PositionsCountUtf16Units) {
    EXPECT_EQ(firstMatch(u"abc", u"\u4e2d\u6587abc"), "@2 'abc'");
    EXPECT_EQ(firstMatch(u"b", u"abab", kPlain, 2), "@3 'b'");
    EXPECT_EQ(firstMatch(u"", u"ab", kPlain, 2), "@2 ''");
}

TEST(RegexEngineTest, ProgramItemPatternCutsAnswerIntoRows) {
    std::u16string answer =
        u"<list>\r\n<m type=\"2\" src=\"http://a/1.flv\" label=\"First\" />\r\n"
        u"<M TYPE=\"2\" SRC=\"rtmp://b/2\" LABEL=\"\u7b2c\u4e8c\" />"
        u"<m type=\"1\" src=\"skip\" label=\"other type\" />\n"
        u"<m type=\"2\" src=\"x\" label=\"broken\nline\" />\n"
        u"<m type=\"2\" src=\"\" label=\"no source\" /></list>";
    std::optional<Regex> regex = Regex::compile(kItemPattern, kProgram);
    ASSERT_TRUE(regex);
    std::vector<std::vector<Span>> matches = allMatches(*regex, answer);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(text(answer, matches[0][1]), u"http://a/1.flv");
    EXPECT_EQ(text(answer, matches[0][2]), u"First");
    EXPECT_EQ(text(answer, matches[1][1]), u"rtmp://b/2");
    EXPECT_EQ(text(answer, matches[1][2]), u"\u7b2c\u4e8c");
    EXPECT_EQ(matches[2][1].start, matches[2][1].end);
    EXPECT_GE(matches[2][1].start, 0);
    EXPECT_EQ(text(answer, matches[2][2]), u"no source");
}

TEST(RegexEngineTest, ProgramSpacedItemPatternNeedsTwoBlanks) {
    std::u16string answer =
        u"<m type=\"2\" src=\"a\" label=\"one\" /><m type=\"2\" src=\"b\" label=\"two\"  />";
    std::optional<Regex> regex = Regex::compile(kSpacedItemPattern, kProgram);
    ASSERT_TRUE(regex);
    std::vector<std::vector<Span>> matches = allMatches(*regex, answer);
    ASSERT_EQ(matches.size(), 1u);
    // Lazy groups still span the first item: the first opening is leftmost.
    EXPECT_EQ(text(answer, matches[0][1]), u"a");
    EXPECT_EQ(text(answer, matches[0][2]), u"one\" /><m type=\"2\" src=\"b\" label=\"two");
}

TEST(RegexEngineTest, ProgramCharsetPatternFindsTheName) {
    std::optional<Regex> regex = Regex::compile(kCharsetPattern, kProgram);
    ASSERT_TRUE(regex);
    struct Case {
        std::u16string page;
        std::u16string charset;
    };
    for (const Case& c : {
             Case{u"<head><META http-equiv=\"Content-Type\" content=\"text/html; "
                  u"charset=gb2312\"></head>",
                  u"gb2312"},
             Case{u"<meta charset=\"UTF-8\">", u"UTF-8"},
             Case{u"<meta charset=utf-8>", u"utf-8"},
             Case{u"<meta name=x><p>charset=big5</p>", u"big5"},
         }) {
        std::vector<Span> captures;
        ASSERT_TRUE(regex->search(c.page, 0, captures)) << printable(c.page);
        EXPECT_EQ(text(c.page, captures[1]), c.charset);
    }
    std::vector<Span> captures;
    EXPECT_FALSE(regex->search(u"<meta\ncharset=gbk>", 0, captures));
    EXPECT_FALSE(regex->search(u"<metacharset=gbk>", 0, captures));
}

// Work allowed per subject unit for the program's patterns: a few live
// threads of a few instructions each, against about twenty measured on the
// worst subjects here. Quadratic work would exceed it a thousandfold.
constexpr std::uint64_t kStepsPerUnit = 32;
// One long line as a hostile server could send; the smaller size keeps the
// further variants quick under the sanitizers.
constexpr std::size_t kBigSubject = 4 * 1024 * 1024;
constexpr std::size_t kMediumSubject = 512 * 1024;

// Runs `pattern` as the program does, over all matches, and checks the
// number of matches and the total work. Returns the matches.
std::vector<std::vector<Span>> expectLinear(const char16_t* pattern, const std::u16string& subject,
                                            std::size_t expectedMatches) {
    std::optional<Regex> regex = Regex::compile(pattern, kProgram);
    EXPECT_TRUE(regex);
    if (!regex) {
        return {};
    }
    regex::SearchStats stats;
    std::vector<std::vector<Span>> matches = allMatches(*regex, subject, &stats);
    EXPECT_EQ(matches.size(), expectedMatches) << printable(pattern);
    EXPECT_LE(stats.steps, kStepsPerUnit * subject.size()) << printable(pattern);
    return matches;
}

TEST(RegexEngineTest, ItemPatternIsLinearOnUnclosedOpenings) {
    expectLinear(kItemPattern, repeated(u"<m type=\"2\" src=\"", kBigSubject), 0);
    // The first opening is leftmost and its lazy group reaches the only close.
    std::u16string subject = repeated(u"<m type=\"2\" src=\"", kMediumSubject);
    subject += u"x\" label=\"end\" />";
    std::vector<std::vector<Span>> matches = expectLinear(kItemPattern, subject, 1);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0][0].start, 0);
    EXPECT_EQ(text(subject, matches[0][2]), u"end");
}

TEST(RegexEngineTest, SpacedItemPatternIsLinearOnSingleBlankItems) {
    expectLinear(kSpacedItemPattern,
                 repeated(u"<m type=\"2\" src=\"a\" label=\"b\" />", kBigSubject), 0);
    expectLinear(kSpacedItemPattern, repeated(u"<m type=\"2\" src=\"", kMediumSubject), 0);
}

TEST(RegexEngineTest, ItemPatternIsLinearOnNearMissesAndManyItems) {
    expectLinear(kItemPattern, repeated(u"<m type=\"2\" src=\"a\" label=\"b\" /", kMediumSubject),
                 0);
    expectLinear(kItemPattern, repeated(u"<", kMediumSubject), 0);
    std::u16string_view item = u"<M TYPE=\"2\" src=\"a\" label=\"b\" />";
    std::u16string items = repeated(item, kMediumSubject);
    expectLinear(kItemPattern, items, items.size() / item.size());
}

TEST(RegexEngineTest, CharsetPatternIsLinearOnHostileSubjects) {
    expectLinear(kCharsetPattern, repeated(u"<meta", kBigSubject), 0);
    expectLinear(kCharsetPattern, repeated(u"<meta charset=\"\"", kMediumSubject), 0);
    std::u16string_view page = u"<meta x charset=\"-";
    std::u16string pages = repeated(page, kMediumSubject);
    expectLinear(kCharsetPattern, pages, pages.size() / page.size());
    std::u16string subject = repeated(u"<meta ", kMediumSubject) + u"charset=big5";
    std::vector<std::vector<Span>> matches = expectLinear(kCharsetPattern, subject, 1);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0][0].start, 0);
    EXPECT_EQ(text(subject, matches[0][1]), u"big5");
}

TEST(RegexEngineTest, DeepNestingIsRejectedWithoutRecursion) {
    EXPECT_FALSE(accepts(std::u16string(100000, u'(')));
    EXPECT_FALSE(accepts(repeated(u"(?:", 300000)));
    EXPECT_FALSE(accepts(repeated(u"(?=", 300000)));
    std::u16string deepest = repeated(u"(?=", 3 * regex::kMaxNesting) + u"a" +
                             std::u16string(regex::kMaxNesting, u')') + u"a";
    EXPECT_EQ(firstMatch(deepest, u"ba"), "@1 'a'");
    EXPECT_FALSE(accepts(u"(" + deepest + u")"));
}

TEST(RegexEngineTest, OversizedRepetitionIsRejected) {
    EXPECT_EQ(firstMatch(u"a{1000}", std::u16string(1001, u'a')),
              "@0 '" + std::string(1000, 'a') + "'");
    EXPECT_FALSE(accepts(u"a{100000}"));
    EXPECT_FALSE(accepts(u"a{0,100000}"));
    EXPECT_FALSE(accepts(u"(?:a{1000}){1000}"));
    EXPECT_FALSE(accepts(u"((a{1000}){1000}){1000}"));
    EXPECT_FALSE(accepts(u"a{99999999999999999999}"));
    EXPECT_TRUE(accepts(u"(?:){99999999999999999999}"));
}

}  // namespace
