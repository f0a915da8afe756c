#pragma once
// A test automation object: answers from a table of (member, kind) handlers
// and records every call it receives, refused ones included.

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/automation.h"

class ScriptedObject : public AutomationObject {
  public:
    using Handler = std::function<std::optional<Variant>(std::span<const Variant>)>;

    struct Call {
        std::string member;
        InvokeKind kind;
        std::vector<Variant> args;
    };

    void on(const std::string& member, InvokeKind kind, Handler handler) {
        handlers_[{member, kind}] = std::move(handler);
    }

    std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                  std::span<const Variant> args) override {
        calls.push_back({std::string(member), kind, {args.begin(), args.end()}});
        auto found = handlers_.find({std::string(member), kind});
        if (found == handlers_.end()) {
            return std::nullopt;
        }
        return found->second(args);
    }

    std::vector<Call> calls;

  private:
    std::map<std::pair<std::string, InvokeKind>, Handler> handlers_;
};
