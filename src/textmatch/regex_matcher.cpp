#include "regex_matcher.h"

#include <string>

#include "common/codepage.h"
#include "common/text.h"
#include "textmatch/regexp_object/builtin_regexp.h"

namespace {

constexpr char kRegExpProgId[] = "VBScript.RegExp";
constexpr char kQuoteMark[] = "#引号";

ObjectRef newRegExp() {
    ObjectRef object = createObject(kRegExpProgId);
    return object ? object : createBuiltinRegExp();
}

// The found text's offset: searched in the subject's bytes from `from`, so it
// is the text's own first occurrence there.
std::int32_t offsetOfText(const Text& subject, const Text& found, std::int32_t from) {
    if (from < 0) {
        return -1;
    }
    const std::int32_t position = gbk::find(subject, found, from + 1);
    return position < 0 ? -1 : position - 1;
}

}  // namespace

RegexMatcher::RegexMatcher(const RegexMatcher& other)
    : regExp_(other.regExp_),
      matches_(other.matches_),
      subject_(other.subject_),
      subjectText_(other.subjectText_) {}

bool RegexMatcher::create(const Text& pattern, const Text& subject, bool caseSensitive,
                          bool multiline, bool global, bool quoteEscape) {
    regExp_.reset();
    matches_.reset();
    regExp_ = newRegExp();
    automation::put(regExp_, "IgnoreCase", !caseSensitive);
    automation::put(regExp_, "Multiline", multiline);
    automation::put(regExp_, "Global", global);
    const Text workingPattern =
        quoteEscape ? gbk::replace(pattern, kQuoteMark, "\"", 1, std::nullopt, true) : pattern;
    automation::put(regExp_, "Pattern", textValue(workingPattern));
    subject_ = textValue(subject);
    subjectText_ = subject;
    matches_ = asObject(automation::call(regExp_, "Execute", {subject_}));
    return matches_ != nullptr;
}

Text RegexMatcher::patternText() const {
    return asText(automation::get(regExp_, "Pattern"));
}

Text RegexMatcher::replace(const Text& replacement) const {
    return asText(automation::call(regExp_, "Replace", {subject_, textValue(replacement)}));
}

std::int32_t RegexMatcher::matchCount() const {
    return asInteger(automation::get(matches_, "Count"));
}

ObjectRef RegexMatcher::match(std::int32_t index) const {
    return asObject(automation::get(matches_, "Item", {Variant(index - 1)}));
}

std::int32_t RegexMatcher::byteOffsetOf(const ObjectRef& match) const {
    // FirstIndex counts UTF-16 units; the bytes those units came from are
    // measured exactly, so repeated texts never resolve to an earlier copy.
    const auto* wide = std::get_if<std::u16string>(&subject_.value);
    const std::int32_t firstIndex = asInteger(automation::get(match, "FirstIndex"));
    if (!wide || !match || firstIndex < 0 || static_cast<std::size_t>(firstIndex) > wide->size()) {
        return -1;
    }
    return static_cast<std::int32_t>(
        codepage::fromUtf16(std::u16string_view(*wide).substr(0, firstIndex), codepage::kGbk)
            .size());
}

Text RegexMatcher::matchText(std::int32_t index, std::int32_t* position) const {
    const ObjectRef found = match(index);
    Text text = asText(automation::get(found, "Value"));
    if (position) {
        *position = offsetOfText(subjectText_, text, byteOffsetOf(found));
    }
    return text;
}

Text RegexMatcher::subMatchText(std::int32_t index, std::int32_t group,
                                std::int32_t* position) const {
    const ObjectRef found = match(index);
    const ObjectRef groups = asObject(automation::get(found, "SubMatches"));
    Text text = asText(automation::get(groups, "Item", {Variant(group - 1)}));
    if (position) {
        *position = offsetOfText(subjectText_, text, byteOffsetOf(found));
    }
    return text;
}

std::int32_t RegexMatcher::groupCount() const {
    const ObjectRef groups = asObject(automation::get(match(1), "SubMatches"));
    return asInteger(automation::get(groups, "Count"));
}
