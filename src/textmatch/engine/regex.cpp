#include "regex.h"

#include <limits>

#include "regex_syntax.h"

namespace regex {

std::optional<Regex> Regex::compile(std::u16string_view pattern, Flags flags) {
    std::optional<SyntaxTree> tree = parsePattern(pattern);
    if (!tree) {
        return std::nullopt;
    }
    std::optional<Program> program = compileProgram(*tree, flags);
    if (!program) {
        return std::nullopt;
    }
    StartFilter filter = StartFilter::build(*program);
    return Regex(std::move(*program), std::move(filter));
}

bool Regex::search(std::u16string_view subject, std::size_t from, std::vector<Span>& captures,
                   SearchStats* stats) const {
    std::vector<int> registers;
    // Positions are kept as int, like the automation object's FirstIndex.
    if (subject.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) ||
        from > subject.size() ||
        !searchProgram(program_, filter_, subject, from, registers, stats)) {
        return false;
    }
    captures.assign(static_cast<std::size_t>(program_.groupCount) + 1, Span{});
    for (std::size_t g = 0; g < captures.size(); ++g) {
        int start = registers[2 * g];
        int end = registers[2 * g + 1];
        if (start >= 0 && end >= 0) {
            captures[g] = {start, end};
        }
    }
    return true;
}

}  // namespace regex
