#pragma once
// The parsed form of a pattern: a tree of nodes held in one vector and linked
// by index, so that dropping a deep tree needs no recursion.

#include <optional>
#include <string_view>
#include <vector>

#include "regex_char_class.h"

namespace regex {

enum class NodeKind {
    Empty,
    Literal,
    AnyChar,
    Class,
    LineStart,
    LineEnd,
    WordBoundary,
    NotWordBoundary,
    Capture,
    Lookahead,
    Repeat,
    Sequence,
    Alternation,
};

constexpr int kUnbounded = -1;

struct Node {
    NodeKind kind = NodeKind::Empty;
    char16_t literal = 0;  // Literal
    int classIndex = 0;    // Class: index into SyntaxTree::classes
    int group = 0;         // Capture: its number, from 1
    bool negated = false;  // Lookahead: (?! ) rather than (?= )
    int min = 0;           // Repeat
    int max = 0;           // Repeat: kUnbounded when there is no upper limit
    bool greedy = true;    // Repeat
    // Repeat and Lookahead: the captures opened inside are firstGroup..lastGroup,
    // none when firstGroup > lastGroup.
    int firstGroup = 1;
    int lastGroup = 0;
    // Capture, Lookahead and Repeat have one child; Sequence and Alternation any.
    std::vector<int> children;
};

struct SyntaxTree {
    std::vector<Node> nodes;
    std::vector<CharClass> classes;
    int root = 0;
    int groupCount = 0;
};

// Groups nested deeper than this are refused, which bounds every recursion
// over the tree.
constexpr int kMaxNesting = 128;

// nullopt when the pattern is malformed, nests too deeply or uses a feature the
// engine does not have (backreferences).
std::optional<SyntaxTree> parsePattern(std::u16string_view pattern);

}  // namespace regex
