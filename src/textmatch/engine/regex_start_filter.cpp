#include "regex_start_filter.h"

#include <algorithm>

#include "regex_case_fold.h"

namespace regex {

namespace {

constexpr std::size_t kMaxStartUnits = 4;

}  // namespace

// Follows every path from the first instruction up to the first unit it
// consumes. Assertions and lookaheads are passed over, which can only admit
// more positions than needed.
StartFilter StartFilter::build(const Program& program) {
    StartFilter filter;
    std::vector<bool> seen(program.code.size());
    std::vector<int> pending{0};
    while (!pending.empty()) {
        int pc = pending.back();
        pending.pop_back();
        if (seen[pc]) {
            continue;
        }
        seen[pc] = true;
        const Instruction& instruction = program.code[pc];
        switch (instruction.op) {
            case Op::Char:
                filter.units_.push_back(instruction.unit);
                break;
            case Op::CharFolded: {
                CaseVariants variants = caseVariants(instruction.unit);
                filter.units_.insert(filter.units_.end(), variants.units.begin(),
                                     variants.units.begin() + variants.count);
                break;
            }
            case Op::AnyChar:
            case Op::Class:
            case Op::Match:
                return StartFilter{};
            case Op::Split:
                pending.push_back(instruction.x);
                pending.push_back(instruction.y);
                break;
            case Op::Jump:
                pending.push_back(instruction.x);
                break;
            case Op::Lookahead:
                pending.push_back(program.lookaheads[instruction.x].next);
                break;
            default:
                pending.push_back(pc + 1);
                break;
        }
        if (filter.units_.size() > kMaxStartUnits) {
            return StartFilter{};
        }
    }
    filter.active_ = true;
    return filter;
}

bool StartFilter::admits(std::u16string_view subject, std::size_t pos) const {
    if (!active_) {
        return true;
    }
    return pos < subject.size() &&
           std::find(units_.begin(), units_.end(), subject[pos]) != units_.end();
}

std::size_t StartFilter::next(std::u16string_view subject, std::size_t from) const {
    if (!active_) {
        return from;
    }
    for (std::size_t pos = from; pos < subject.size(); ++pos) {
        if (std::find(units_.begin(), units_.end(), subject[pos]) != units_.end()) {
            return pos;
        }
    }
    return subject.size() + 1;
}

}  // namespace regex
