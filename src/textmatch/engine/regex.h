#pragma once
// Regular expressions in the dialect of the system's scripting engine
// (ECMAScript 3), over UTF-16 code units, matched without backtracking so that
// the work grows linearly with the subject. Backreferences are not supported:
// a pattern with one is refused.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "regex_flags.h"
#include "regex_program.h"
#include "regex_search.h"
#include "regex_start_filter.h"

namespace regex {

// A capture's code-unit range; -1/-1 when its group took no part in the match.
struct Span {
    int start = -1;
    int end = -1;
};

class Regex {
  public:
    // nullopt for a pattern that is malformed, unsupported or too large.
    static std::optional<Regex> compile(std::u16string_view pattern, Flags flags);

    int groupCount() const { return program_.groupCount; }

    // The leftmost match starting at or after `from`. captures[0] is the whole
    // match and captures[g] group g.
    bool search(std::u16string_view subject, std::size_t from, std::vector<Span>& captures,
                SearchStats* stats = nullptr) const;

  private:
    Regex(Program program, StartFilter filter)
        : program_(std::move(program)), filter_(std::move(filter)) {}

    Program program_;
    StartFilter filter_;
};

}  // namespace regex
