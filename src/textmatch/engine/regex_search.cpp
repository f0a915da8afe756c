#include "regex_search.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "regex_case_fold.h"
#include "regex_characters.h"

namespace regex {

namespace {

constexpr int kUnset = -1;
constexpr int kPathEnds = -1;

// Instructions a thread waits at until the next unit.
bool stopsThread(Op op) {
    return op == Op::Char || op == Op::CharFolded || op == Op::AnyChar || op == Op::Class ||
           op == Op::Match;
}

// Threads in priority order; each has a row of `width` registers. The storage
// only grows, so a search allocates little after its first positions.
class ThreadList {
  public:
    explicit ThreadList(std::size_t width) : width_(width) {}

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    int pc(std::size_t i) const { return pcs_[i]; }
    const int* registers(std::size_t i) const { return registers_.data() + i * width_; }
    void clear() { count_ = 0; }

    void add(int pc, const int* registers) {
        if (count_ == pcs_.size()) {
            pcs_.resize(2 * count_ + 8);
            registers_.resize(pcs_.size() * width_);
        }
        pcs_[count_] = pc;
        std::copy(registers, registers + width_, registers_.data() + count_ * width_);
        ++count_;
    }

  private:
    std::size_t width_;
    std::size_t count_ = 0;
    std::vector<int> pcs_;
    std::vector<int> registers_;
};

class SearchContext;

// One simulation over the subject. The body of a lookahead runs in a
// simulation one level further down, so nesting depth, not subject length,
// bounds the recursion.
class Simulation {
  public:
    Simulation(SearchContext& context, int level);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // Runs from instruction `start` at `from`. Unanchored, a new thread starts
    // at each later position until a match is found.
    bool run(int start, std::size_t from, bool anchored, const int* initial,
             std::vector<int>& result);

  private:
    void addThreads(ThreadList& list, int pc, std::size_t pos, const int* registers);
    int follow(ThreadList& list, int pc, std::size_t pos);
    int lookahead(int index, std::size_t pos);
    void setRegister(int index, int value);
    bool consumes(const Instruction& instruction, char16_t unit) const;
    bool holds(Op assertion, std::size_t pos) const;
    void nextGeneration();
    std::size_t stateOf(int pc, std::size_t pos) const;

    SearchContext& context_;
    const Program& program_;
    std::u16string_view subject_;
    int level_;
    std::size_t width_;
    // The threads at the current position and at the next; the two lists
    // trade places as the position advances.
    ThreadList lists_[2];
    ThreadList* current_ = &lists_[0];
    ThreadList* next_ = &lists_[1];
    // The position each thread state (see stateOf) was last reached at, as a
    // generation number.
    std::vector<std::uint32_t> visited_;
    std::uint32_t generation_ = 0;
    std::vector<int> work_;
    // Instructions still to follow (pc >= 0) and registers to restore on the
    // way back (pc < 0), so the closure needs no recursion.
    struct Pending {
        int pc;
        int index;
        int value;
    };
    std::vector<Pending> pending_;
    std::size_t pendingCount_ = 0;

    void push(Pending entry) {
        if (pendingCount_ == pending_.size()) {
            pending_.resize(2 * pending_.size() + 16);
        }
        pending_[pendingCount_++] = entry;
    }
};

// The outcome of one lookahead at one position. It depends on nothing else,
// since no backreference can look at captures from outside.
struct LookaheadOutcome {
    std::size_t pos = static_cast<std::size_t>(-1);
    bool matched = false;
    std::vector<int> registers;
};

class SearchContext {
  public:
    SearchContext(const Program& program, const StartFilter& filter, std::u16string_view subject)
        : program(program),
          filter(filter),
          subject(subject),
          lookaheadOutcomes_(program.lookaheads.size()) {}

    Simulation& level(int index) {
        while (levels_.size() <= static_cast<std::size_t>(index)) {
            levels_.push_back(
                std::make_unique<Simulation>(*this, static_cast<int>(levels_.size())));
        }
        return *levels_[index];
    }

    const LookaheadOutcome& lookahead(int index, std::size_t pos, int level, const int* registers) {
        LookaheadOutcome& outcome = lookaheadOutcomes_[index];
        if (outcome.pos != pos) {
            outcome.pos = pos;
            outcome.matched = this->level(level).run(program.lookaheads[index].start, pos, true,
                                                     registers, outcome.registers);
        }
        return outcome;
    }

    const Program& program;
    const StartFilter& filter;
    std::u16string_view subject;
    std::uint64_t steps = 0;

  private:
    std::vector<std::unique_ptr<Simulation>> levels_;
    std::vector<LookaheadOutcome> lookaheadOutcomes_;
};

Simulation::Simulation(SearchContext& context, int level)
    : context_(context),
      program_(context.program),
      subject_(context.subject),
      level_(level),
      width_(static_cast<std::size_t>(context.program.registerCount)),
      lists_{ThreadList(width_), ThreadList(width_)},
      visited_(context.program.code.size() + context.program.loopRegisters.size()),
      work_(width_) {}

bool Simulation::run(int start, std::size_t from, bool anchored, const int* initial,
                     std::vector<int>& result) {
    const StartFilter& filter = context_.filter;
    bool matched = false;
    std::size_t pos = from;
    current_->clear();
    nextGeneration();
    if (anchored || filter.admits(subject_, pos)) {
        addThreads(*current_, start, pos, initial);
    }
    while (true) {
        if (current_->empty()) {
            if (matched || anchored) {
                break;
            }
            pos = filter.next(subject_, pos + 1);
            if (pos > subject_.size()) {
                break;
            }
            nextGeneration();
            addThreads(*current_, start, pos, initial);
            continue;
        }
        nextGeneration();
        next_->clear();
        for (std::size_t i = 0; i < current_->size(); ++i) {
            const Instruction& instruction = program_.code[current_->pc(i)];
            const int* registers = current_->registers(i);
            ++context_.steps;
            if (instruction.op == Op::Match) {
                // Every thread after this one has lower priority.
                result.assign(registers, registers + width_);
                matched = true;
                break;
            }
            if (pos < subject_.size() && consumes(instruction, subject_[pos])) {
                addThreads(*next_, current_->pc(i) + 1, pos + 1, registers);
            }
        }
        if (pos >= subject_.size()) {
            break;
        }
        ++pos;
        if (!matched && !anchored && filter.admits(subject_, pos)) {
            addThreads(*next_, start, pos, initial);
        }
        std::swap(current_, next_);
    }
    return matched;
}

// Starts a new position: nothing has been reached at it yet.
void Simulation::nextGeneration() {
    if (++generation_ == 0) {  // wrapped: old marks could look current
        std::fill(visited_.begin(), visited_.end(), 0);
        generation_ = 1;
    }
}

// Adds the threads reachable from `pc` without consuming a unit, in priority
// order, skipping states already reached at this position by a thread of
// higher priority.
void Simulation::addThreads(ThreadList& list, int pc, std::size_t pos, const int* registers) {
    if (stopsThread(program_.code[pc].op)) {
        // The common step from one unit to the next: no register changes.
        std::size_t state = stateOf(pc, pos);
        if (visited_[state] != generation_) {
            visited_[state] = generation_;
            ++context_.steps;
            list.add(pc, registers);
        }
        return;
    }
    work_.assign(registers, registers + width_);
    push({pc, 0, 0});
    while (pendingCount_ > 0) {
        Pending entry = pending_[--pendingCount_];
        if (entry.pc < 0) {
            work_[entry.index] = entry.value;
            continue;
        }
        for (int at = entry.pc; at != kPathEnds;) {
            at = follow(list, at, pos);
        }
    }
}

// Executes one instruction of a path; returns the next one, or kPathEnds.
// A split leaves its second branch on the pending stack.
int Simulation::follow(ThreadList& list, int pc, std::size_t pos) {
    std::size_t state = stateOf(pc, pos);
    if (visited_[state] == generation_) {
        return kPathEnds;
    }
    visited_[state] = generation_;
    ++context_.steps;
    const Instruction& instruction = program_.code[pc];
    int here = static_cast<int>(pos);
    switch (instruction.op) {
        case Op::Split:
            push({instruction.y, 0, 0});
            return instruction.x;
        case Op::Jump:
            return instruction.x;
        case Op::Save:
        case Op::LoopEnter:
            setRegister(instruction.x, here);
            return pc + 1;
        case Op::Clear:
            for (int index = instruction.x; index < instruction.y; ++index) {
                setRegister(index, kUnset);
            }
            return pc + 1;
        case Op::LoopCheck:
            return work_[instruction.x] != here ? pc + 1 : kPathEnds;
        case Op::LineStart:
        case Op::LineEnd:
        case Op::WordBoundary:
        case Op::NotWordBoundary:
            return holds(instruction.op, pos) ? pc + 1 : kPathEnds;
        case Op::Lookahead:
            return lookahead(instruction.x, pos);
        default:  // consumes a unit, or ends the match
            list.add(pc, work_.data());
            return kPathEnds;
    }
}

// Where a path goes on after lookahead `index` at `pos`: past it when it
// holds, with the captures of a positive lookahead's body.
int Simulation::lookahead(int index, std::size_t pos) {
    const LookaheadBody& body = program_.lookaheads[index];
    const LookaheadOutcome& outcome = context_.lookahead(index, pos, level_ + 1, work_.data());
    if (outcome.matched == body.negated) {
        return kPathEnds;
    }
    if (!body.negated) {
        for (int i = body.firstRegister; i < body.endRegister; ++i) {
            setRegister(i, outcome.registers[i]);
        }
    }
    return body.next;
}

// What decides a thread's future at this position: its instruction and, unless
// that waits for the next unit, how many of the repetitions around it began
// their current iteration here, as those refuse to end it empty. They are the
// innermost ones, since an inner iteration begins no earlier than an outer.
// Threads in the same state differ only in their captures, and the one of
// higher priority, reaching the state first, is the one kept.
std::size_t Simulation::stateOf(int pc, std::size_t pos) const {
    std::size_t first = static_cast<std::size_t>(program_.loopsBegin[pc]);
    std::size_t state = first + static_cast<std::size_t>(pc);
    if (stopsThread(program_.code[pc].op)) {
        return state;
    }
    std::size_t end = static_cast<std::size_t>(program_.loopsBegin[pc + 1]);
    int here = static_cast<int>(pos);
    for (std::size_t i = first; i < end && work_[program_.loopRegisters[i]] == here; ++i) {
        ++state;
    }
    return state;
}

// Changes a register for the instructions that follow, and arranges for the
// old value to come back before the next alternative is tried.
void Simulation::setRegister(int index, int value) {
    if (work_[index] == value) {
        return;
    }
    push({-1, index, work_[index]});
    work_[index] = value;
}

bool Simulation::consumes(const Instruction& instruction, char16_t unit) const {
    switch (instruction.op) {
        case Op::Char:
            return unit == instruction.unit;
        case Op::CharFolded:
            return foldCase(unit) == instruction.unit;
        case Op::AnyChar:
            return !isExcludedFromDot(unit);
        case Op::Class:
            return program_.classes[instruction.x].matches(unit, program_.flags.ignoreCase);
        default:
            return false;
    }
}

bool Simulation::holds(Op assertion, std::size_t pos) const {
    bool multiline = program_.flags.multiline;
    bool atStart = pos == 0;
    bool atEnd = pos == subject_.size();
    switch (assertion) {
        case Op::LineStart:
            return atStart || (multiline && isLineTerminator(subject_[pos - 1]));
        case Op::LineEnd:
            return atEnd || (multiline && isLineTerminator(subject_[pos]));
        default: {
            bool wordBefore = !atStart && isWordChar(subject_[pos - 1]);
            bool wordAfter = !atEnd && isWordChar(subject_[pos]);
            return (wordBefore != wordAfter) == (assertion == Op::WordBoundary);
        }
    }
}

}  // namespace

bool searchProgram(const Program& program, const StartFilter& filter, std::u16string_view subject,
                   std::size_t from, std::vector<int>& registers, SearchStats* stats) {
    SearchContext context(program, filter, subject);
    std::vector<int> initial(static_cast<std::size_t>(program.registerCount), kUnset);
    bool found = context.level(0).run(0, from, false, initial.data(), registers);
    if (stats) {
        stats->steps += context.steps;
    }
    return found;
}

}  // namespace regex
