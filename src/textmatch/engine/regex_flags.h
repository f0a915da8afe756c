#pragma once
// How a pattern is applied: the two options that change what it matches.

namespace regex {

struct Flags {
    bool ignoreCase = false;
    // ^ and $ also match at line terminators inside the subject.
    bool multiline = false;
};

}  // namespace regex
