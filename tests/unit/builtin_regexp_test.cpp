#include "textmatch/regexp_object/builtin_regexp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/automation.h"

namespace {

using Arguments = std::vector<Variant>;

std::optional<Variant> invoke(const ObjectRef& object, std::string_view member, InvokeKind kind,
                              const Arguments& args = {}) {
    return object->invoke(member, kind, args);
}

std::u16string textOf(const Variant& value) {
    auto* text = std::get_if<std::u16string>(&value.value);
    return text ? *text : u"<not a text>";
}

std::int32_t numberOf(const Variant& value) {
    auto* number = std::get_if<std::int32_t>(&value.value);
    return number ? *number : -999;
}

ObjectRef makeRegExp(std::u16string pattern, bool global = true, bool ignoreCase = false,
                     bool multiline = false) {
    ObjectRef re = createBuiltinRegExp();
    EXPECT_TRUE(automation::put(re, "Pattern", Variant(std::move(pattern))));
    EXPECT_TRUE(automation::put(re, "Global", Variant(global)));
    EXPECT_TRUE(automation::put(re, "IgnoreCase", Variant(ignoreCase)));
    EXPECT_TRUE(automation::put(re, "Multiline", Variant(multiline)));
    return re;
}

ObjectRef execute(const ObjectRef& re, std::u16string subject) {
    return asObject(automation::call(re, "Execute", {Variant(std::move(subject))}));
}

ObjectRef item(const ObjectRef& matches, std::int32_t index) {
    return asObject(automation::get(matches, "Item", {Variant(index)}));
}

// Every match as "index:value".
std::vector<std::string> listMatches(const ObjectRef& matches) {
    std::vector<std::string> out;
    std::int32_t count = numberOf(automation::get(matches, "Count"));
    for (std::int32_t i = 0; i < count; ++i) {
        ObjectRef match = item(matches, i);
        std::u16string value = textOf(automation::get(match, "Value"));
        out.push_back(std::to_string(numberOf(automation::get(match, "FirstIndex"))) + ":" +
                      std::string(value.begin(), value.end()));
        EXPECT_EQ(numberOf(automation::get(match, "Length")), static_cast<int>(value.size()));
    }
    return out;
}

std::u16string replace(const ObjectRef& re, std::u16string subject, std::u16string replacement) {
    return textOf(automation::call(re, "Replace",
                                   {Variant(std::move(subject)), Variant(std::move(replacement))}));
}

TEST(BuiltinRegExpTest, PropertiesStartEmptyAndFalseAndKeepWhatIsWritten) {
    ObjectRef re = createBuiltinRegExp();
    EXPECT_EQ(textOf(automation::get(re, "Pattern")), u"");
    for (const char* flag : {"IgnoreCase", "Global", "Multiline"}) {
        std::optional<Variant> value = invoke(re, flag, InvokeKind::PropertyGet);
        ASSERT_TRUE(value);
        EXPECT_EQ(std::get<bool>(value->value), false) << flag;
        EXPECT_TRUE(automation::put(re, flag, Variant(std::int32_t{1})));
        EXPECT_EQ(std::get<bool>(invoke(re, flag, InvokeKind::PropertyGet)->value), true);
    }
    EXPECT_TRUE(automation::put(re, "Pattern", Variant(u"a+")));
    EXPECT_EQ(textOf(automation::get(re, "Pattern")), u"a+");
}

TEST(BuiltinRegExpTest, MemberNamesIgnoreLetterCase) {
    ObjectRef re = createBuiltinRegExp();
    EXPECT_TRUE(automation::put(re, "pattern", Variant(u"b")));
    EXPECT_TRUE(automation::put(re, "GLOBAL", Variant(true)));
    EXPECT_EQ(textOf(automation::get(re, "PATTERN")), u"b");
    ObjectRef matches = asObject(automation::call(re, "eXeCuTe", {Variant(u"abb")}));
    EXPECT_EQ(numberOf(automation::get(matches, "count")), 2);
    EXPECT_EQ(textOf(automation::get(item(matches, 1), "value")), u"b");
}

TEST(BuiltinRegExpTest, UnknownMembersAndWrongCallsAreRefused) {
    ObjectRef re = createBuiltinRegExp();
    EXPECT_FALSE(invoke(re, "Source", InvokeKind::PropertyGet));
    EXPECT_FALSE(invoke(re, "Execute", InvokeKind::Method));
    EXPECT_FALSE(invoke(re, "Execute", InvokeKind::PropertyGet, {Variant(u"a")}));
    EXPECT_FALSE(invoke(re, "Replace", InvokeKind::Method, {Variant(u"a")}));
    EXPECT_FALSE(invoke(re, "Global", InvokeKind::PropertyPut, {Variant(u"x")}));
    EXPECT_FALSE(invoke(re, "Pattern", InvokeKind::PropertyPut, {Variant(std::int32_t{3})}));
    EXPECT_FALSE(invoke(re, "Test", InvokeKind::Method, {Variant(ObjectRef())}));
}

TEST(BuiltinRegExpTest, ExecuteFindsFirstOrAllMatches) {
    EXPECT_EQ(listMatches(execute(makeRegExp(u"\\d+", false), u"a1 22 333")),
              (std::vector<std::string>{"1:1"}));
    EXPECT_EQ(listMatches(execute(makeRegExp(u"\\d+"), u"a1 22 333")),
              (std::vector<std::string>{"1:1", "3:22", "6:333"}));
    EXPECT_EQ(listMatches(execute(makeRegExp(u"x"), u"abc")), std::vector<std::string>{});
}

TEST(BuiltinRegExpTest, GlobalSearchStepsPastEmptyMatches) {
    EXPECT_EQ(listMatches(execute(makeRegExp(u"x*"), u"abc")),
              (std::vector<std::string>{"0:", "1:", "2:", "3:"}));
    EXPECT_EQ(listMatches(execute(makeRegExp(u"a*"), u"baaac")),
              (std::vector<std::string>{"0:", "1:aaa", "4:", "5:"}));
    EXPECT_EQ(listMatches(execute(makeRegExp(u"^", true, false, true), u"a\nb\n")),
              (std::vector<std::string>{"0:", "2:", "4:"}));
    EXPECT_EQ(replace(makeRegExp(u"x*"), u"abc", u"-"), u"-a-b-c-");
}

TEST(BuiltinRegExpTest, CollectionItemsByPropertyOrMethodWithinRange) {
    ObjectRef matches = execute(makeRegExp(u"\\w"), u"ab");
    ASSERT_TRUE(matches);
    EXPECT_TRUE(invoke(matches, "Item", InvokeKind::Method, {Variant(std::int32_t{1})}));
    EXPECT_TRUE(invoke(matches, "Item", InvokeKind::PropertyGet, {Variant(1.0)}));
    EXPECT_FALSE(invoke(matches, "Item", InvokeKind::PropertyGet, {Variant(std::int32_t{2})}));
    EXPECT_FALSE(invoke(matches, "Item", InvokeKind::PropertyGet, {Variant(std::int32_t{-1})}));
    EXPECT_FALSE(invoke(matches, "Item", InvokeKind::PropertyGet, {Variant(1e12)}));
    EXPECT_FALSE(invoke(matches, "Item", InvokeKind::PropertyGet));
    EXPECT_FALSE(invoke(matches, "Count", InvokeKind::PropertyPut, {Variant(std::int32_t{5})}));
}

TEST(BuiltinRegExpTest, SubMatchesGiveGroupTextsAndEmptyForAbsentGroups) {
    ObjectRef match = item(execute(makeRegExp(u"(a)|(b)(c)?"), u"b"), 0);
    ASSERT_TRUE(match);
    ObjectRef subMatches = asObject(automation::get(match, "SubMatches"));
    EXPECT_EQ(numberOf(automation::get(subMatches, "Count")), 3);
    std::optional<Variant> first =
        invoke(subMatches, "Item", InvokeKind::PropertyGet, {Variant(std::int32_t{0})});
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isEmpty());
    EXPECT_EQ(textOf(automation::get(subMatches, "Item", {Variant(std::int32_t{1})})), u"b");
    EXPECT_TRUE(automation::get(subMatches, "Item", {Variant(std::int32_t{2})}).isEmpty());
    EXPECT_FALSE(invoke(subMatches, "Item", InvokeKind::PropertyGet, {Variant(std::int32_t{3})}));

    ObjectRef emptyGroup =
        asObject(automation::get(item(execute(makeRegExp(u"a()"), u"a"), 0), "SubMatches"));
    EXPECT_EQ(textOf(automation::get(emptyGroup, "Item", {Variant(std::int32_t{0})})), u"");
}

TEST(BuiltinRegExpTest, ReplaceExpandsReferences) {
    ObjectRef re = makeRegExp(u"(\\w)(\\d)", false);
    EXPECT_EQ(replace(re, u"xa1b2", u"[$2$1]"), u"x[1a]b2");
    EXPECT_EQ(replace(re, u"xa1y", u"[$&|$`|$']"), u"x[a1|x|y]y");
    EXPECT_EQ(replace(re, u"a1", u"$$1 $0 $3 $x $"), u"$1 $0 $3 $x $");
    EXPECT_EQ(replace(re, u"a1", u"$10 $01 $22"), u"a0 a 12");
    EXPECT_EQ(replace(makeRegExp(u"(a)|b"), u"ab", u"<$1>"), u"<a><>");
    ObjectRef ten = makeRegExp(u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)");
    EXPECT_EQ(replace(ten, u"abcdefghij", u"$10$1$11"), u"jaa1");
}

TEST(BuiltinRegExpTest, ReplaceGlobalOrFirstOnly) {
    EXPECT_EQ(replace(makeRegExp(u"o"), u"foo boo", u"0"), u"f00 b00");
    EXPECT_EQ(replace(makeRegExp(u"o", false), u"foo boo", u"0"), u"f0o boo");
    EXPECT_EQ(replace(makeRegExp(u"z"), u"foo", u"0"), u"foo");
}

TEST(BuiltinRegExpTest, TestAnswersWhetherThereIsAMatch) {
    std::optional<Variant> yes =
        invoke(makeRegExp(u"b+"), "Test", InvokeKind::Method, {Variant(u"abb")});
    ASSERT_TRUE(yes);
    EXPECT_EQ(std::get<bool>(yes->value), true);
    EXPECT_FALSE(asBool(automation::call(makeRegExp(u"c"), "Test", {Variant(u"ab")})));
}

TEST(BuiltinRegExpTest, RejectedPatternMakesMethodsRefuseUntilFixed) {
    ObjectRef re = makeRegExp(u"(a");
    Arguments subject{Variant(u"aa")};
    EXPECT_FALSE(invoke(re, "Execute", InvokeKind::Method, subject));
    EXPECT_FALSE(invoke(re, "Test", InvokeKind::Method, subject));
    EXPECT_FALSE(invoke(re, "Replace", InvokeKind::Method, {Variant(u"aa"), Variant(u"b")}));
    EXPECT_FALSE(invoke(makeRegExp(u"(a)\\1"), "Execute", InvokeKind::Method, subject));
    EXPECT_TRUE(automation::put(re, "Pattern", Variant(u"(a)")));
    EXPECT_EQ(numberOf(automation::get(execute(re, u"aa"), "Count")), 2);
}

TEST(BuiltinRegExpTest, ChangedFlagsTakeEffectOnTheNextCall) {
    ObjectRef re = makeRegExp(u"^b");
    EXPECT_EQ(numberOf(automation::get(execute(re, u"a\nB"), "Count")), 0);
    EXPECT_TRUE(automation::put(re, "Multiline", Variant(true)));
    EXPECT_EQ(numberOf(automation::get(execute(re, u"a\nB"), "Count")), 0);
    EXPECT_TRUE(automation::put(re, "IgnoreCase", Variant(true)));
    EXPECT_EQ(numberOf(automation::get(execute(re, u"a\nB"), "Count")), 1);
    EXPECT_TRUE(automation::put(re, "Pattern", Variant(u"^a")));
    EXPECT_EQ(numberOf(automation::get(execute(re, u"a\nB"), "Count")), 1);
}

TEST(BuiltinRegExpTest, ProgramPatternCutsListAnswer) {
    ObjectRef re = makeRegExp(u"<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\" />", true, true, true);
    ObjectRef matches =
        execute(re,
                u"<list><m type=\"2\" src=\"http://h/a.flv\" label=\"\u7b2c\u4e00\" />\n"
                u"<M TYPE=\"2\" SRC=\"\" LABEL=\"B\" /></list>");
    ASSERT_EQ(numberOf(automation::get(matches, "Count")), 2);
    ObjectRef first = asObject(automation::get(item(matches, 0), "SubMatches"));
    EXPECT_EQ(textOf(automation::get(first, "Item", {Variant(std::int32_t{0})})),
              u"http://h/a.flv");
    EXPECT_EQ(textOf(automation::get(first, "Item", {Variant(std::int32_t{1})})), u"\u7b2c\u4e00");
    ObjectRef second = asObject(automation::get(item(matches, 1), "SubMatches"));
    EXPECT_EQ(textOf(automation::get(second, "Item", {Variant(std::int32_t{0})})), u"");
    EXPECT_EQ(numberOf(automation::get(item(matches, 1), "FirstIndex")), 53);
}

}  // namespace
