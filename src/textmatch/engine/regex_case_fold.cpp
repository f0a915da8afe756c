#include "regex_case_fold.h"

namespace regex {

char16_t foldCase(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 0x20) : unit;
}

CaseVariants caseVariants(char16_t unit) {
    CaseVariants variants;
    const char16_t upper = foldCase(unit);
    variants.units[variants.count++] = upper;
    if (upper >= u'A' && upper <= u'Z') {
        variants.units[variants.count++] = static_cast<char16_t>(upper + 0x20);
    }
    return variants;
}

}  // namespace regex
