#pragma once
// The objects Execute returns: a match collection, its matches and their
// sub-matches, with the system object's members (Count, Item; Value,
// FirstIndex, Length, SubMatches).

#include <memory>
#include <string>
#include <vector>

#include "common/automation.h"
#include "textmatch/engine/regex.h"

namespace regexp {

// What one Execute found, shared by the objects that hand it out.
struct MatchList {
    std::u16string subject;
    // Per match: the whole match, then each group.
    std::vector<std::vector<regex::Span>> matches;
};

ObjectRef createMatchCollection(std::shared_ptr<const MatchList> list);

}  // namespace regexp
