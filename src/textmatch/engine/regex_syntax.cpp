#include "regex_syntax.h"

#include <cstddef>

namespace regex {

namespace {

// Counts in braces saturate here; any count this large is refused later by
// the program size limit.
constexpr int kMaxCount = 1000000000;

struct Quantifier {
    int min = 0;
    int max = 0;
    bool greedy = true;
};

int hexValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit >= u'a' && unit <= u'f') {
        return unit - u'a' + 10;
    }
    if (unit >= u'A' && unit <= u'F') {
        return unit - u'A' + 10;
    }
    return -1;
}

Node nodeOf(NodeKind kind) {
    Node node;
    node.kind = kind;
    return node;
}

bool isDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}
bool isOctalDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'7';
}
bool isControlLetter(char16_t unit, bool inClass) {
    bool letter = (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
    return letter || (inClass && (isDigit(unit) || unit == u'_'));
}

class Parser {
  public:
    explicit Parser(std::u16string_view pattern) : pattern_(pattern) {}

    std::optional<SyntaxTree> run() {
        tree_.root = disjunction(0);
        if (failed_ || !atEnd()) {  // not at the end: an unmatched ')'
            return std::nullopt;
        }
        return std::move(tree_);
    }

  private:
    bool atEnd() const { return pos_ >= pattern_.size(); }
    bool lookingAt(char16_t unit, std::size_t ahead = 0) const {
        return pos_ + ahead < pattern_.size() && pattern_[pos_ + ahead] == unit;
    }

    int fail() {
        failed_ = true;
        return -1;
    }

    int addNode(Node node) {
        tree_.nodes.push_back(std::move(node));
        return static_cast<int>(tree_.nodes.size() - 1);
    }

    int addClass(CharClass charClass) {
        charClass.seal();
        tree_.classes.push_back(std::move(charClass));
        Node node = nodeOf(NodeKind::Class);
        node.classIndex = static_cast<int>(tree_.classes.size() - 1);
        return addNode(std::move(node));
    }

    int disjunction(int depth) {
        int first = alternative(depth);
        if (failed_ || !lookingAt(u'|')) {
            return first;
        }
        Node node = nodeOf(NodeKind::Alternation);
        node.children.push_back(first);
        while (!failed_ && lookingAt(u'|')) {
            ++pos_;
            node.children.push_back(alternative(depth));
        }
        return failed_ ? -1 : addNode(std::move(node));
    }

    int alternative(int depth) {
        Node node = nodeOf(NodeKind::Sequence);
        while (!failed_ && !atEnd() && !lookingAt(u'|') && !lookingAt(u')')) {
            node.children.push_back(term(depth));
        }
        if (failed_) {
            return -1;
        }
        if (node.children.size() == 1) {
            return node.children.front();
        }
        if (node.children.empty()) {
            return addNode(nodeOf(NodeKind::Empty));
        }
        return addNode(std::move(node));
    }

    int term(int depth) {
        char16_t unit = pattern_[pos_];
        if (unit == u'^' || unit == u'$') {
            ++pos_;
            return assertion(unit == u'^' ? NodeKind::LineStart : NodeKind::LineEnd);
        }
        if (unit == u'\\' && (lookingAt(u'b', 1) || lookingAt(u'B', 1))) {
            pos_ += 2;
            return assertion(pattern_[pos_ - 1] == u'b' ? NodeKind::WordBoundary
                                                        : NodeKind::NotWordBoundary);
        }
        int firstGroup = tree_.groupCount + 1;
        int atomNode = atom(depth);
        if (failed_) {
            return -1;
        }
        std::optional<Quantifier> quantifier = readQuantifier();
        if (failed_) {
            return -1;
        }
        if (!quantifier) {
            return atomNode;
        }
        Node node = nodeOf(NodeKind::Repeat);
        node.min = quantifier->min;
        node.max = quantifier->max;
        node.greedy = quantifier->greedy;
        node.firstGroup = firstGroup;
        node.lastGroup = tree_.groupCount;
        node.children.push_back(atomNode);
        return addNode(std::move(node));
    }

    // ^ $ \b \B cannot be repeated.
    int assertion(NodeKind kind) {
        if (quantifierFollows()) {
            return fail();
        }
        return addNode(nodeOf(kind));
    }

    int atom(int depth) {
        char16_t unit = pattern_[pos_];
        switch (unit) {
            case u'(':
                return group(depth);
            case u'.':
                ++pos_;
                return addNode(nodeOf(NodeKind::AnyChar));
            case u'[':
                return bracketClass();
            case u'\\':
                return atomEscape();
            case u'*':
            case u'+':
            case u'?':
                return fail();  // nothing to repeat
            case u'{':
                // A brace that does not form a quantifier is an ordinary character.
                if (quantifierFollows()) {
                    return fail();
                }
                break;
            default:
                break;
        }
        ++pos_;
        return literal(unit);
    }

    int literal(char16_t unit) {
        Node node = nodeOf(NodeKind::Literal);
        node.literal = unit;
        return addNode(std::move(node));
    }

    int group(int depth) {
        if (depth + 1 > kMaxNesting) {
            return fail();
        }
        ++pos_;
        NodeKind kind = NodeKind::Capture;
        bool negated = false;
        if (lookingAt(u'?')) {
            if (lookingAt(u':', 1)) {
                kind = NodeKind::Empty;  // non-capturing: the group adds no node
            } else if (lookingAt(u'=', 1) || lookingAt(u'!', 1)) {
                kind = NodeKind::Lookahead;
                negated = lookingAt(u'!', 1);
            } else {
                return fail();
            }
            pos_ += 2;
        }
        int number = kind == NodeKind::Capture ? ++tree_.groupCount : 0;
        int firstGroup = tree_.groupCount + 1;
        int inner = disjunction(depth + 1);
        if (failed_ || !lookingAt(u')')) {
            return fail();
        }
        ++pos_;
        if (kind == NodeKind::Empty) {
            return inner;
        }
        Node node = nodeOf(kind);
        node.group = number;
        node.negated = negated;
        node.firstGroup = firstGroup;
        node.lastGroup = tree_.groupCount;
        node.children.push_back(inner);
        return addNode(std::move(node));
    }

    // Reads * + ? {n} {n,} {n,m}, each optionally followed by ? for the lazy
    // form. A brace that does not form a quantifier is left in place.
    std::optional<Quantifier> readQuantifier() {
        if (atEnd()) {
            return std::nullopt;
        }
        Quantifier quantifier;
        char16_t unit = pattern_[pos_];
        if (unit == u'*' || unit == u'+' || unit == u'?') {
            ++pos_;
            quantifier.min = unit == u'+' ? 1 : 0;
            quantifier.max = unit == u'?' ? 1 : kUnbounded;
        } else if (!braces(pos_, quantifier)) {
            return std::nullopt;
        }
        if (quantifier.max != kUnbounded && quantifier.min > quantifier.max) {
            fail();
            return std::nullopt;
        }
        if (lookingAt(u'?')) {
            ++pos_;
            quantifier.greedy = false;
        }
        return quantifier;
    }

    bool quantifierFollows() const {
        if (atEnd()) {
            return false;
        }
        char16_t unit = pattern_[pos_];
        std::size_t at = pos_;
        Quantifier unused;
        return unit == u'*' || unit == u'+' || unit == u'?' || braces(at, unused);
    }

    // {n}, {n,} or {n,m} at `at`; advances `at` past it when found.
    bool braces(std::size_t& at, Quantifier& quantifier) const {
        std::size_t i = at;
        if (i >= pattern_.size() || pattern_[i] != u'{') {
            return false;
        }
        ++i;
        if (!readCount(i, quantifier.min)) {
            return false;
        }
        quantifier.max = quantifier.min;
        if (i < pattern_.size() && pattern_[i] == u',') {
            ++i;
            quantifier.max = kUnbounded;
            if (i < pattern_.size() && isDigit(pattern_[i])) {
                readCount(i, quantifier.max);
            }
        }
        if (i >= pattern_.size() || pattern_[i] != u'}') {
            return false;
        }
        at = i + 1;
        return true;
    }

    bool readCount(std::size_t& i, int& count) const {
        if (i >= pattern_.size() || !isDigit(pattern_[i])) {
            return false;
        }
        count = 0;
        for (; i < pattern_.size() && isDigit(pattern_[i]); ++i) {
            count = count >= kMaxCount / 10 ? kMaxCount : count * 10 + (pattern_[i] - u'0');
        }
        return true;
    }

    int atomEscape() {
        ++pos_;
        if (atEnd()) {
            return fail();
        }
        char16_t unit = pattern_[pos_];
        if (unit >= u'1' && unit <= u'9') {
            return fail();  // backreferences are not supported
        }
        CharClass charClass;
        if (classEscape(charClass)) {
            return addClass(std::move(charClass));
        }
        return literal(characterEscape(false));
    }

    // \d \D \w \W \s \S at pos_: adds the set and consumes it.
    bool classEscape(CharClass& charClass) {
        char16_t unit = pattern_[pos_];
        std::span<const CharRange> ranges;
        switch (unit) {
            case u'd':
            case u'D':
                ranges = digitRanges();
                break;
            case u'w':
            case u'W':
                ranges = wordRanges();
                break;
            case u's':
            case u'S':
                ranges = spaceRanges();
                break;
            default:
                return false;
        }
        ++pos_;
        if (unit >= u'a') {
            charClass.add(ranges);
        } else {
            charClass.addComplement(ranges);
        }
        return true;
    }

    // The escape after a backslash, pos_ at its first unit. Malformed forms
    // fall back to their letters, as browsers' engines do: \x without two hex
    // digits is "x", \c without a letter is a backslash followed by "c".
    // Inside a class \c also takes a digit or an underscore.
    char16_t characterEscape(bool inClass) {
        char16_t unit = pattern_[pos_++];
        switch (unit) {
            case u't':
                return u'\t';
            case u'n':
                return u'\n';
            case u'v':
                return u'\v';
            case u'f':
                return u'\f';
            case u'r':
                return u'\r';
            case u'x':
                return hexEscape(2, unit);
            case u'u':
                return hexEscape(4, unit);
            case u'c':
                if (!atEnd() && isControlLetter(pattern_[pos_], inClass)) {
                    return static_cast<char16_t>(pattern_[pos_++] % 32);
                }
                --pos_;
                return u'\\';
            default:
                break;
        }
        if (isOctalDigit(unit)) {
            return octalEscape(unit);
        }
        return unit;
    }

    char16_t hexEscape(std::size_t digits, char16_t letter) {
        if (pos_ + digits > pattern_.size()) {
            return letter;
        }
        int value = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            int digit = hexValue(pattern_[pos_ + i]);
            if (digit < 0) {
                return letter;
            }
            value = value * 16 + digit;
        }
        pos_ += digits;
        return static_cast<char16_t>(value);
    }

    // Legacy octal: up to three digits, at most \377.
    char16_t octalEscape(char16_t first) {
        int value = first - u'0';
        std::size_t maxMore = first <= u'3' ? 2 : 1;
        for (std::size_t i = 0; i < maxMore && !atEnd() && isOctalDigit(pattern_[pos_]); ++i) {
            value = value * 8 + (pattern_[pos_++] - u'0');
        }
        return static_cast<char16_t>(value);
    }

    int bracketClass() {
        ++pos_;
        CharClass charClass;
        if (lookingAt(u'^')) {
            ++pos_;
            charClass.negate();
        }
        while (!lookingAt(u']')) {
            if (atEnd()) {
                return fail();
            }
            std::optional<char16_t> first = classAtom(charClass);
            if (failed_) {
                return -1;
            }
            if (!lookingAt(u'-') || pos_ + 1 >= pattern_.size() || lookingAt(u']', 1)) {
                addSingle(charClass, first);
                continue;
            }
            ++pos_;
            std::optional<char16_t> last = classAtom(charClass);
            if (failed_) {
                return -1;
            }
            if (!first || !last) {
                // A set at either end makes the dash an ordinary member.
                addSingle(charClass, first);
                charClass.add(u'-', u'-');
                addSingle(charClass, last);
            } else if (*first > *last) {
                return fail();
            } else {
                charClass.add(*first, *last);
            }
        }
        ++pos_;
        return addClass(std::move(charClass));
    }

    static void addSingle(CharClass& charClass, std::optional<char16_t> unit) {
        if (unit) {
            charClass.add(*unit, *unit);
        }
    }

    // One member of a bracketed class: a single unit, or nullopt for a set
    // such as \d, which is added to `charClass` at once.
    std::optional<char16_t> classAtom(CharClass& charClass) {
        char16_t unit = pattern_[pos_++];
        if (unit != u'\\') {
            return unit;
        }
        if (atEnd()) {
            fail();
            return std::nullopt;
        }
        if (classEscape(charClass)) {
            return std::nullopt;
        }
        if (lookingAt(u'b')) {
            ++pos_;
            return u'\b';
        }
        return characterEscape(true);
    }

    std::u16string_view pattern_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    SyntaxTree tree_;
};

}  // namespace

std::optional<SyntaxTree> parsePattern(std::u16string_view pattern) {
    return Parser(pattern).run();
}

}  // namespace regex
