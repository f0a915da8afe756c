#include "textmatch/regex_matcher.h"

#include <gtest/gtest.h>

namespace {

constexpr char kPatternA[] = "<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\" />";
constexpr char kCharsetPattern[] = "<meta.+?charset=[^\\w]?([-\\w]+)";

}  // namespace

TEST(RegexMatcherTest, RejectedPatternGivesFalseAndEmptyAnswers) {
    RegexMatcher matcher;
    EXPECT_FALSE(matcher.create("(abc", "abc"));
    EXPECT_EQ(matcher.matchCount(), 0);
    EXPECT_EQ(matcher.groupCount(), 0);
    EXPECT_EQ(matcher.matchText(1), "");
    EXPECT_EQ(matcher.subMatchText(1, 1), "");
    EXPECT_EQ(matcher.replace("x"), "");
}

TEST(RegexMatcherTest, NothingToAskBeforeTheFirstCreate) {
    RegexMatcher matcher;
    EXPECT_EQ(matcher.patternText(), "");
    EXPECT_EQ(matcher.matchCount(), 0);
    EXPECT_EQ(matcher.matchText(1), "");
}

TEST(RegexMatcherTest, ValidPatternWithoutMatchGivesAnEmptyCollection) {
    RegexMatcher matcher;
    EXPECT_TRUE(matcher.create("xyz", "abc"));
    EXPECT_EQ(matcher.matchCount(), 0);
    EXPECT_EQ(matcher.groupCount(), 0);
}

TEST(RegexMatcherTest, DefaultsAreCaseInsensitiveMultilineAndGlobal) {
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.create("^ab$", "AB\nab\naB"));
    EXPECT_EQ(matcher.matchCount(), 3);
    EXPECT_EQ(matcher.matchText(3), "aB");

    ASSERT_TRUE(matcher.create("^ab$", "AB\nab\naB", true));
    EXPECT_EQ(matcher.matchCount(), 1);
    ASSERT_TRUE(matcher.create("^ab$", "AB\nab\naB", false, false));
    EXPECT_EQ(matcher.matchCount(), 0);
    ASSERT_TRUE(matcher.create("ab", "AB\nab\naB", false, true, false));
    EXPECT_EQ(matcher.matchCount(), 1);
}

TEST(RegexMatcherTest, QuoteEscapeWritesDoubleQuotes) {
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.create("src=#引号(.*?)#引号", "src=\"abc\"", false, true, true, true));
    EXPECT_EQ(matcher.subMatchText(1, 1), "abc");
    EXPECT_EQ(matcher.patternText(), "src=\"(.*?)\"");

    ASSERT_TRUE(matcher.create("src=#引号(.*?)#引号", "src=\"abc\""));
    EXPECT_EQ(matcher.matchCount(), 0);
    EXPECT_EQ(matcher.patternText(), "src=#引号(.*?)#引号");
}

TEST(RegexMatcherTest, MatchesAndGroupsOutsideTheCollectionAreEmpty) {
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.create("(a)(b)?", "a ab"));
    EXPECT_EQ(matcher.matchCount(), 2);
    EXPECT_EQ(matcher.groupCount(), 2);
    EXPECT_EQ(matcher.subMatchText(1, 2), "");  // did not take part
    EXPECT_EQ(matcher.subMatchText(2, 2), "b");
    EXPECT_EQ(matcher.subMatchText(3, 1), "");
    EXPECT_EQ(matcher.subMatchText(1, 3), "");
    EXPECT_EQ(matcher.subMatchText(0, 1), "");
    EXPECT_EQ(matcher.matchText(0), "");
}

TEST(RegexMatcherTest, PositionsCountBytesOfTheSubject) {
    RegexMatcher matcher;
    std::int32_t position = -7;
    ASSERT_TRUE(matcher.create("abc", "中文abc"));
    EXPECT_EQ(matcher.matchText(1, &position), "abc");
    EXPECT_EQ(position, 4);

    // A repeated text resolves to its own occurrence, not an earlier one.
    ASSERT_TRUE(matcher.create("ab", "中中中中ab ab"));
    EXPECT_EQ(matcher.matchText(1, &position), "ab");
    EXPECT_EQ(position, 8);
    EXPECT_EQ(matcher.matchText(2, &position), "ab");
    EXPECT_EQ(position, 11);

    // A group is placed at the first occurrence of its text from the start of
    // its match on, which here is the match's own first character.
    ASSERT_TRUE(matcher.create("文(.)(.)", "中文文ab"));
    EXPECT_EQ(matcher.subMatchText(1, 1, &position), "文");
    EXPECT_EQ(position, 2);
    EXPECT_EQ(matcher.subMatchText(1, 2, &position), "a");
    EXPECT_EQ(position, 6);
}

TEST(RegexMatcherTest, ReplaceUsesGroupReferences) {
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.create("(\\w+)=(\\w+)", "a=1;b=2"));
    EXPECT_EQ(matcher.replace("$2:$1"), "1:a;2:b");
    ASSERT_TRUE(matcher.create("(\\w+)=(\\w+)", "a=1;b=2", false, true, false));
    EXPECT_EQ(matcher.replace("[$&]"), "[a=1];b=2");
}

TEST(RegexMatcherTest, CopySharesTheResultsOfTheOriginal) {
    RegexMatcher original;
    ASSERT_TRUE(original.create("标题(\\d)", "标题1 标题2"));
    RegexMatcher copy(original);
    ASSERT_TRUE(original.create("x", "x"));
    EXPECT_EQ(copy.matchCount(), 2);
    EXPECT_EQ(copy.subMatchText(2, 1), "2");
    EXPECT_EQ(copy.patternText(), "标题(\\d)");
    EXPECT_EQ(original.matchCount(), 1);
}

TEST(RegexMatcherTest, ListItemsBecomeAddressAndTitle) {
    const Text answer =
        "<list>\n"
        "<m type=\"2\" src=\"http://h/1.flv\" label=\"英雄联盟一\" />\n"
        "<M TYPE=\"2\" SRC=\"http://h/2.flv\" LABEL=\"英雄联盟二\" />\n"
        "<m type=\"1\" src=\"http://h/x.flv\" label=\"其他\" />\n"
        "<m type=\"2\" src=\"http://h/3.flv\" label=\"断\n行\" />\n"
        "<m type=\"2\" src=\"\" label=\"空地址\" />\n"
        "<m type=\"2\" src=\"http://h/4.flv\" label=\"两个空格\"  />\n"
        "</list>";
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.create(kPatternA, answer));
    ASSERT_EQ(matcher.matchCount(), 3);
    EXPECT_EQ(matcher.subMatchText(1, 1), "http://h/1.flv");
    EXPECT_EQ(matcher.subMatchText(1, 2), "英雄联盟一");
    EXPECT_EQ(matcher.subMatchText(2, 2), "英雄联盟二");
    EXPECT_EQ(matcher.subMatchText(3, 1), "");
    EXPECT_EQ(matcher.subMatchText(3, 2), "空地址");
}

TEST(RegexMatcherTest, CharsetNameComesFromTheMetaElement) {
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.create(
        kCharsetPattern,
        "<html><head><META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"));
    EXPECT_EQ(matcher.subMatchText(1, 1), "UTF-8");
    ASSERT_TRUE(matcher.create(kCharsetPattern, "<meta charset=\"gb2312\" />"));
    EXPECT_EQ(matcher.subMatchText(1, 1), "gb2312");
}
