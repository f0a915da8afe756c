#include "regexp_replacement.h"

#include <cstddef>

namespace regexp {

namespace {

int digitAt(std::u16string_view text, std::size_t i) {
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1;
}

void appendSpan(std::u16string& out, std::u16string_view subject, regex::Span span) {
    if (span.start >= 0) {
        out.append(subject.substr(span.start, span.end - span.start));
    }
}

// The group a reference at text[i] (just after the dollar sign) names, and
// how many digits it takes: two when that two-digit group exists, else one.
struct GroupReference {
    int group = 0;
    std::size_t digits = 0;
};

GroupReference groupReference(std::u16string_view text, std::size_t i, int groupCount) {
    int first = digitAt(text, i);
    int second = digitAt(text, i + 1);
    if (first < 0) {
        return {};
    }
    if (second >= 0) {
        int both = first * 10 + second;
        if (both >= 1 && both <= groupCount) {
            return {both, 2};
        }
    }
    if (first >= 1 && first <= groupCount) {
        return {first, 1};
    }
    return {};
}

// Appends what the reference after the dollar sign at replacement[dollar]
// stands for; returns how many units it takes after the dollar sign, 0 when
// the dollar sign starts no reference.
std::size_t appendReference(std::u16string& out, std::u16string_view replacement,
                            std::size_t dollar, std::u16string_view subject,
                            const std::vector<regex::Span>& captures) {
    regex::Span whole = captures.front();
    if (dollar + 1 >= replacement.size()) {
        return 0;
    }
    switch (replacement[dollar + 1]) {
        case u'$':
            out.push_back(u'$');
            return 1;
        case u'&':
            appendSpan(out, subject, whole);
            return 1;
        case u'`':
            out.append(subject.substr(0, whole.start));
            return 1;
        case u'\'':
            out.append(subject.substr(whole.end));
            return 1;
        default:
            break;
    }
    GroupReference ref =
        groupReference(replacement, dollar + 1, static_cast<int>(captures.size()) - 1);
    if (ref.digits > 0) {
        appendSpan(out, subject, captures[ref.group]);
    }
    return ref.digits;
}

}  // namespace

void appendReplacement(std::u16string& out, std::u16string_view replacement,
                       std::u16string_view subject, const std::vector<regex::Span>& captures) {
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        if (replacement[i] == u'$') {
            if (std::size_t taken = appendReference(out, replacement, i, subject, captures)) {
                i += taken;
                continue;
            }
        }
        out.push_back(replacement[i]);
    }
}

}  // namespace regexp
