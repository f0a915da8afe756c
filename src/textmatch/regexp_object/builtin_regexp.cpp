#include "builtin_regexp.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "regexp_arguments.h"
#include "regexp_matches.h"
#include "regexp_replacement.h"
#include "textmatch/engine/regex.h"

namespace regexp {

namespace {

using Arguments = std::span<const Variant>;

class RegExp : public AutomationObject {
  public:
    std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                  Arguments args) override {
        if (isMember(member, "Pattern")) {
            return textProperty(pattern_, kind, args);
        }
        if (isMember(member, "IgnoreCase")) {
            return boolProperty(ignoreCase_, kind, args);
        }
        if (isMember(member, "Global")) {
            return boolProperty(global_, kind, args);
        }
        if (isMember(member, "Multiline")) {
            return boolProperty(multiline_, kind, args);
        }
        if (kind != InvokeKind::Method) {
            return std::nullopt;
        }
        if (isMember(member, "Execute") && args.size() == 1) {
            return execute(args[0]);
        }
        if (isMember(member, "Replace") && args.size() == 2) {
            return replace(args[0], args[1]);
        }
        if (isMember(member, "Test") && args.size() == 1) {
            return test(args[0]);
        }
        return std::nullopt;
    }

  private:
    std::optional<Variant> textProperty(std::u16string& text, InvokeKind kind, Arguments args) {
        if (kind == InvokeKind::PropertyGet && args.empty()) {
            return Variant(text);
        }
        if (kind == InvokeKind::PropertyPut && args.size() == 1) {
            if (std::optional<std::u16string> value = textArgument(args[0])) {
                if (text != *value) {
                    text = std::move(*value);
                    compiled_.reset();
                }
                return Variant();
            }
        }
        return std::nullopt;
    }

    std::optional<Variant> boolProperty(bool& flag, InvokeKind kind, Arguments args) {
        if (kind == InvokeKind::PropertyGet && args.empty()) {
            return Variant(flag);
        }
        if (kind == InvokeKind::PropertyPut && args.size() == 1) {
            if (std::optional<bool> value = boolArgument(args[0])) {
                if (flag != *value) {
                    flag = *value;
                    compiled_.reset();
                }
                return Variant();
            }
        }
        return std::nullopt;
    }

    // The pattern compiled with the current flags; null when the engine
    // refuses it. Kept until a property changes.
    const regex::Regex* matcher() {
        if (!compiled_) {
            compiled_ = regex::Regex::compile(pattern_, {ignoreCase_, multiline_});
        }
        return compiled_->has_value() ? &**compiled_ : nullptr;
    }

    // Calls `found` for the first match, or for every match when Global is
    // set. After an empty match the next search starts one unit further on,
    // so the iteration always advances.
    void forEachMatch(const regex::Regex& matcher, std::u16string_view subject,
                      const std::function<void(const std::vector<regex::Span>&)>& found) const {
        std::vector<regex::Span> captures;
        std::size_t from = 0;
        while (from <= subject.size() && matcher.search(subject, from, captures)) {
            found(captures);
            if (!global_) {
                return;
            }
            regex::Span whole = captures.front();
            from = static_cast<std::size_t>(whole.end) + (whole.end == whole.start ? 1 : 0);
        }
    }

    std::optional<Variant> execute(const Variant& subjectArgument) {
        const regex::Regex* matcher = this->matcher();
        std::optional<std::u16string> subject = textArgument(subjectArgument);
        if (!matcher || !subject) {
            return std::nullopt;
        }
        auto list = std::make_shared<MatchList>();
        list->subject = std::move(*subject);
        forEachMatch(*matcher, list->subject, [&](const std::vector<regex::Span>& captures) {
            list->matches.push_back(captures);
        });
        return Variant(createMatchCollection(std::move(list)));
    }

    std::optional<Variant> replace(const Variant& subjectArgument,
                                   const Variant& replacementArgument) {
        const regex::Regex* matcher = this->matcher();
        std::optional<std::u16string> subject = textArgument(subjectArgument);
        std::optional<std::u16string> replacement = textArgument(replacementArgument);
        if (!matcher || !subject || !replacement) {
            return std::nullopt;
        }
        std::u16string result;
        std::size_t copied = 0;
        forEachMatch(*matcher, *subject, [&](const std::vector<regex::Span>& captures) {
            regex::Span whole = captures.front();
            result.append(*subject, copied, whole.start - copied);
            appendReplacement(result, *replacement, *subject, captures);
            copied = static_cast<std::size_t>(whole.end);
        });
        result.append(*subject, copied);
        return Variant(std::move(result));
    }

    std::optional<Variant> test(const Variant& subjectArgument) {
        const regex::Regex* matcher = this->matcher();
        std::optional<std::u16string> subject = textArgument(subjectArgument);
        if (!matcher || !subject) {
            return std::nullopt;
        }
        std::vector<regex::Span> captures;
        return Variant(matcher->search(*subject, 0, captures));
    }

    std::u16string pattern_;
    bool ignoreCase_ = false;
    bool global_ = false;
    bool multiline_ = false;
    // Outer: whether the current pattern has been compiled; inner: the result.
    std::optional<std::optional<regex::Regex>> compiled_;
};

}  // namespace

}  // namespace regexp

ObjectRef createBuiltinRegExp() {
    return std::make_shared<regexp::RegExp>();
}
