#include "regex_program.h"

#include "regex_case_fold.h"

namespace regex {

namespace {

class Compiler {
  public:
    Compiler(const SyntaxTree& tree, Flags flags) : tree_(tree) {
        program_.flags = flags;
        program_.classes = tree.classes;
        program_.groupCount = tree.groupCount;
        program_.registerCount = 2 * (tree.groupCount + 1);
    }

    std::optional<Program> run() {
        emit({Op::Save, 0, 0});
        node(tree_.root);
        emit({Op::Save, 0, 1});
        emit({Op::Match});
        program_.loopsBegin.push_back(static_cast<int>(program_.loopRegisters.size()));
        if (tooLarge_) {
            return std::nullopt;
        }
        return std::move(program_);
    }

  private:
    int here() const { return static_cast<int>(program_.code.size()); }

    // Past the size limit the result is dropped: emitting goes on only while
    // the recursion unwinds, which adds a few instructions per level.
    int emit(Instruction instruction) {
        program_.code.push_back(instruction);
        std::vector<int>& loops = program_.loopRegisters;
        program_.loopsBegin.push_back(static_cast<int>(loops.size()));
        loops.insert(loops.end(), openLoops_.rbegin(), openLoops_.rend());
        tooLarge_ = tooLarge_ || program_.code.size() + loops.size() > kMaxProgramSize;
        return here() - 1;
    }

    void node(int index) {
        if (tooLarge_) {
            return;
        }
        const Node& n = tree_.nodes[index];
        switch (n.kind) {
            case NodeKind::Empty:
                break;
            case NodeKind::Literal:
                literal(n.literal);
                break;
            case NodeKind::AnyChar:
                emit({Op::AnyChar});
                break;
            case NodeKind::Class:
                emit({Op::Class, 0, n.classIndex});
                break;
            case NodeKind::LineStart:
                emit({Op::LineStart});
                break;
            case NodeKind::LineEnd:
                emit({Op::LineEnd});
                break;
            case NodeKind::WordBoundary:
                emit({Op::WordBoundary});
                break;
            case NodeKind::NotWordBoundary:
                emit({Op::NotWordBoundary});
                break;
            case NodeKind::Capture:
                emit({Op::Save, 0, 2 * n.group});
                node(n.children.front());
                emit({Op::Save, 0, 2 * n.group + 1});
                break;
            case NodeKind::Lookahead:
                lookahead(n);
                break;
            case NodeKind::Repeat:
                repeat(n);
                break;
            case NodeKind::Sequence:
                for (int child : n.children) {
                    node(child);
                }
                break;
            case NodeKind::Alternation:
                alternation(n);
                break;
        }
    }

    void literal(char16_t unit) {
        if (program_.flags.ignoreCase && caseVariants(unit).count > 1) {
            emit({Op::CharFolded, foldCase(unit)});
        } else {
            emit({Op::Char, unit});
        }
    }

    // Each alternative but the last: split to it or to the next one, then jump
    // to the end.
    void alternation(const Node& n) {
        std::vector<int> jumps;
        for (std::size_t i = 0; i + 1 < n.children.size(); ++i) {
            int split = emit({Op::Split, 0, here() + 1});
            node(n.children[i]);
            jumps.push_back(emit({Op::Jump}));
            program_.code[split].y = here();
        }
        node(n.children.back());
        for (int jump : jumps) {
            program_.code[jump].x = here();
        }
    }

    void lookahead(const Node& n) {
        int index = static_cast<int>(program_.lookaheads.size());
        program_.lookaheads.push_back({});
        emit({Op::Lookahead, 0, index});
        std::vector<int> outerLoops = std::move(openLoops_);
        openLoops_.clear();
        LookaheadBody body;
        body.start = here();
        body.negated = n.negated;
        body.firstRegister = 2 * n.firstGroup;
        body.endRegister = 2 * (n.lastGroup + 1);
        node(n.children.front());
        emit({Op::Match});
        openLoops_ = std::move(outerLoops);
        body.next = here();
        program_.lookaheads[index] = body;
    }

    // min copies of the atom, then either a loop or (max - min) optional
    // copies. Every iteration first forgets the captures inside the atom; an
    // optional iteration that matched nothing is refused, so empty loops end.
    void repeat(const Node& n) {
        int atom = n.children.front();
        bool hasGroups = n.firstGroup <= n.lastGroup;
        Instruction clear{Op::Clear, 0, 2 * n.firstGroup, 2 * (n.lastGroup + 1)};
        for (int i = 0; i < n.min && !tooLarge_; ++i) {
            int before = here();
            if (hasGroups) {
                emit(clear);
            }
            node(atom);
            if (here() == before) {
                break;  // the atom compiles to nothing, so neither do more copies
            }
        }
        if (n.max != kUnbounded && n.max == n.min) {
            return;
        }
        int loopRegister = program_.registerCount++;
        std::vector<int> splits;
        int optionalCount = n.max == kUnbounded ? 1 : n.max - n.min;
        for (int i = 0; i < optionalCount && !tooLarge_; ++i) {
            int split = emit({Op::Split});
            splits.push_back(split);
            emit({Op::LoopEnter, 0, loopRegister});
            openLoops_.push_back(loopRegister);
            if (hasGroups) {
                emit(clear);
            }
            node(atom);
            emit({Op::LoopCheck, 0, loopRegister});
            openLoops_.pop_back();
            if (n.max == kUnbounded) {
                emit({Op::Jump, 0, split});
            }
        }
        int end = here();
        for (int split : splits) {
            Instruction& s = program_.code[split];
            s.x = n.greedy ? split + 1 : end;
            s.y = n.greedy ? end : split + 1;
        }
    }

    const SyntaxTree& tree_;
    Program program_;
    bool tooLarge_ = false;
    // Registers of the repetitions being compiled, outermost first.
    std::vector<int> openLoops_;
};

}  // namespace

std::optional<Program> compileProgram(const SyntaxTree& tree, Flags flags) {
    return Compiler(tree, flags).run();
}

}  // namespace regex
