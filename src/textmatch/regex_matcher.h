#pragma once
// One regular expression over one subject text, with matches and sub-matches
// handed out by 1-based number. Runs on the system's "VBScript.RegExp" object
// and, where the system has none, on the built-in engine of the same dialect.
// Every failure is silent: false, 0 or the empty text.

#include <cstdint>

#include "common/automation.h"
#include "common/com_apartment.h"

class RegexMatcher {
  public:
    RegexMatcher() = default;
    // The copy shares the objects and enters the apartment once more.
    RegexMatcher(const RegexMatcher& other);
    RegexMatcher& operator=(const RegexMatcher&) = delete;

    // Runs `pattern` over `subject`; true when a match collection (possibly
    // empty) came back. With quoteEscape every "#引号" in the pattern stands
    // for a double quote.
    bool create(const Text& pattern, const Text& subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool quoteEscape = false);

    Text patternText() const;
    // The subject with the matches replaced; `$1`-style references allowed.
    Text replace(const Text& replacement) const;
    std::int32_t matchCount() const;
    // Match `index`; `position` receives its 0-based byte offset in the subject.
    Text matchText(std::int32_t index, std::int32_t* position = nullptr) const;
    // Group `group` of match `index`; `position` receives the byte offset of
    // the first occurrence of that text at or after the start of the match.
    Text subMatchText(std::int32_t index, std::int32_t group,
                      std::int32_t* position = nullptr) const;
    // The number of capture groups of the first match.
    std::int32_t groupCount() const;

  private:
    ObjectRef match(std::int32_t index) const;
    // Byte offset in the subject of the match's first character, or -1.
    std::int32_t byteOffsetOf(const ObjectRef& match) const;

    // Declared first, so the objects below go before the apartment they live in.
    ComApartment apartment_;
    ObjectRef regExp_;
    ObjectRef matches_;
    Variant subject_ = Variant(std::int32_t{0});
    Text subjectText_;
};
