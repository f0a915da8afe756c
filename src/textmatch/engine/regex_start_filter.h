#pragma once
// The few code units a match can begin with, found from the program, so the
// search can skip the stretches of subject where no match can start.

#include <cstddef>
#include <string_view>
#include <vector>

#include "regex_program.h"

namespace regex {

class StartFilter {
  public:
    // A filter that admits every position when the program can begin with
    // an empty match, any character, a class, or too many distinct units.
    static StartFilter build(const Program& program);

    bool admits(std::u16string_view subject, std::size_t pos) const;
    // The first admitted position at or after `from`; subject.size() + 1 when
    // there is none.
    std::size_t next(std::u16string_view subject, std::size_t from) const;

  private:
    bool active_ = false;
    std::vector<char16_t> units_;
};

}  // namespace regex
