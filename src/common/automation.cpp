#include "automation.h"

#include <vector>

namespace automation {

namespace {

// Tries each kind in turn; the first the object accepts answers.
std::optional<Variant> firstAccepted(const ObjectRef& object, std::string_view member,
                                     std::initializer_list<InvokeKind> kinds,
                                     std::span<const Variant> args) {
    if (!object) {
        return std::nullopt;
    }
    for (InvokeKind kind : kinds) {
        if (auto result = object->invoke(member, kind, args)) {
            return result;
        }
    }
    return std::nullopt;
}

}  // namespace

Variant get(const ObjectRef& object, std::string_view member, std::initializer_list<Variant> args) {
    return firstAccepted(object, member, {InvokeKind::PropertyGet, InvokeKind::Method},
                         std::span(args.begin(), args.size()))
        .value_or(Variant());
}

bool put(const ObjectRef& object, std::string_view member, const Variant& value,
         std::initializer_list<Variant> indices) {
    std::vector<Variant> args(indices);
    args.push_back(value);
    return firstAccepted(object, member,
                         {InvokeKind::PropertyPut, InvokeKind::PropertyPutRef, InvokeKind::Method},
                         args)
        .has_value();
}

Variant call(const ObjectRef& object, std::string_view member,
             std::initializer_list<Variant> args) {
    return firstAccepted(object, member, {InvokeKind::Method, InvokeKind::PropertyGet},
                         std::span(args.begin(), args.size()))
        .value_or(Variant());
}

}  // namespace automation
