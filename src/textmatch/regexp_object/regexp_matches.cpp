#include "regexp_matches.h"

#include <cstdint>

#include "regexp_arguments.h"

namespace regexp {

namespace {

using Arguments = std::span<const Variant>;

bool isGet(InvokeKind kind, Arguments args, std::size_t count) {
    return kind == InvokeKind::PropertyGet && args.size() == count;
}

// Item(index) is both a property and a method; an index outside 0..count-1
// is refused.
std::optional<std::size_t> itemIndex(InvokeKind kind, Arguments args, std::size_t count) {
    if ((kind != InvokeKind::PropertyGet && kind != InvokeKind::Method) || args.size() != 1) {
        return std::nullopt;
    }
    std::optional<std::int32_t> index = indexArgument(args[0]);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= count) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*index);
}

Variant spanText(const MatchList& list, regex::Span span) {
    if (span.start < 0) {
        return Variant();
    }
    return Variant(list.subject.substr(span.start, span.end - span.start));
}

class SubMatches : public AutomationObject {
  public:
    SubMatches(std::shared_ptr<const MatchList> list, std::size_t match)
        : list_(std::move(list)), match_(match) {}

    std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                  Arguments args) override {
        const std::vector<regex::Span>& spans = list_->matches[match_];
        std::size_t groups = spans.size() - 1;
        if (isMember(member, "Count") && isGet(kind, args, 0)) {
            return Variant(static_cast<std::int32_t>(groups));
        }
        if (isMember(member, "Item")) {
            if (std::optional<std::size_t> index = itemIndex(kind, args, groups)) {
                return spanText(*list_, spans[*index + 1]);
            }
        }
        return std::nullopt;
    }

  private:
    std::shared_ptr<const MatchList> list_;
    std::size_t match_;
};

class Match : public AutomationObject {
  public:
    Match(std::shared_ptr<const MatchList> list, std::size_t match)
        : list_(std::move(list)), match_(match) {}

    std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                  Arguments args) override {
        if (!isGet(kind, args, 0)) {
            return std::nullopt;
        }
        regex::Span whole = list_->matches[match_].front();
        if (isMember(member, "Value")) {
            return spanText(*list_, whole);
        }
        if (isMember(member, "FirstIndex")) {
            return Variant(static_cast<std::int32_t>(whole.start));
        }
        if (isMember(member, "Length")) {
            return Variant(static_cast<std::int32_t>(whole.end - whole.start));
        }
        if (isMember(member, "SubMatches")) {
            return Variant(ObjectRef(std::make_shared<SubMatches>(list_, match_)));
        }
        return std::nullopt;
    }

  private:
    std::shared_ptr<const MatchList> list_;
    std::size_t match_;
};

class MatchCollection : public AutomationObject {
  public:
    explicit MatchCollection(std::shared_ptr<const MatchList> list) : list_(std::move(list)) {}

    std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                  Arguments args) override {
        std::size_t count = list_->matches.size();
        if (isMember(member, "Count") && isGet(kind, args, 0)) {
            return Variant(static_cast<std::int32_t>(count));
        }
        if (isMember(member, "Item")) {
            if (std::optional<std::size_t> index = itemIndex(kind, args, count)) {
                return Variant(ObjectRef(std::make_shared<Match>(list_, *index)));
            }
        }
        return std::nullopt;
    }

  private:
    std::shared_ptr<const MatchList> list_;
};

}  // namespace

ObjectRef createMatchCollection(std::shared_ptr<const MatchList> list) {
    return std::make_shared<MatchCollection>(std::move(list));
}

}  // namespace regexp
