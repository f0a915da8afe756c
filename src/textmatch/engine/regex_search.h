#pragma once
// Runs a compiled program over a subject as a Pike VM: every live thread
// advances over one code unit at a time, the threads are kept in priority
// order, and at each position only the first thread to reach a state (an
// instruction, with what its enclosing repetitions need) survives. A search
// costs at most (subject length x program size) steps for any pattern without
// lookahead, and reports the captures and greedy/lazy choices a backtracking
// matcher would: the first match in priority order.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "regex_program.h"
#include "regex_start_filter.h"

namespace regex {

// Work done, for checking that it stays linear: instructions executed, summed
// over every search given the same counter.
struct SearchStats {
    std::uint64_t steps = 0;
};

// The leftmost match starting at or after `from` (at most subject.size()).
// On success `registers` holds the matching thread's registers.
bool searchProgram(const Program& program, const StartFilter& filter, std::u16string_view subject,
                   std::size_t from, std::vector<int>& registers, SearchStats* stats);

}  // namespace regex
