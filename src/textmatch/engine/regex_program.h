#pragma once
// A pattern compiled to instructions for the thread simulation in
// regex_search: each thread is a program counter plus registers.
//
// Registers 2g and 2g+1 hold where capture g starts and ends (g = 0 is the
// whole match); the registers after them record where the current optional
// iteration of each repetition began, so an iteration that matched nothing
// can be refused.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "regex_char_class.h"
#include "regex_flags.h"
#include "regex_syntax.h"

namespace regex {

enum class Op : std::uint8_t {
    Char,        // the unit equals `unit`
    CharFolded,  // the unit's folded case equals `unit`
    AnyChar,
    Class,      // classes[x]
    Split,      // go on at x, and with lower priority at y
    Jump,       // go on at x
    Save,       // register x = position
    Clear,      // registers x..y-1 = -1 (captures inside a repeated group)
    LoopEnter,  // register x = position
    LoopCheck,  // refuse when register x == position
    LineStart,
    LineEnd,
    WordBoundary,
    NotWordBoundary,
    Lookahead,  // lookaheads[x]
    Match,      // end of the pattern, or of a lookahead's body
};

struct Instruction {
    Op op;
    char16_t unit = 0;
    int x = 0;
    int y = 0;
};

struct LookaheadBody {
    int start = 0;  // first instruction of the body, which ends in Match
    int next = 0;   // where matching goes on after the lookahead
    bool negated = false;
    int firstRegister = 0;  // the body's captures: registers first..end-1
    int endRegister = 0;
};

struct Program {
    std::vector<Instruction> code;
    std::vector<CharClass> classes;
    std::vector<LookaheadBody> lookaheads;
    Flags flags;
    int groupCount = 0;
    int registerCount = 0;
    // The repetitions whose current iteration instruction pc lies in, innermost
    // first, as their LoopEnter registers: loopRegisters[loopsBegin[pc]] up to
    // loopRegisters[loopsBegin[pc + 1]]. A lookahead's body starts afresh.
    std::vector<int> loopsBegin;
    std::vector<int> loopRegisters;
};

// Counted repetition is unrolled; a pattern whose program would have more
// instructions, counted together with their loopRegisters entries, is refused.
// This bounds both memory and the work per subject unit.
constexpr std::size_t kMaxProgramSize = 20000;

std::optional<Program> compileProgram(const SyntaxTree& tree, Flags flags);

}  // namespace regex
