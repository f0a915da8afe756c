#pragma once
// Late-bound automation: objects created from a ProgID and used by member
// name. Every failure yields 0, the empty text or an empty object; nothing is
// thrown and the caller goes on.

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "variant.h"

enum class InvokeKind { Method, PropertyGet, PropertyPut, PropertyPutRef };

class AutomationObject {
  public:
    virtual ~AutomationObject() = default;

    // One dispatch call. For the two put kinds the last argument is the value
    // written and any before it are indices. nullopt when the object refuses.
    virtual std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                          std::span<const Variant> args) = 0;
};

// Platform edge: a new object of the class registered under `progId`, or an
// empty reference when there is none.
ObjectRef createObject(std::string_view progId);

namespace automation {

// Reads a property: property-get first, then a method call of that name.
Variant get(const ObjectRef& object, std::string_view member,
            std::initializer_list<Variant> args = {});

// Writes a property: property-put, then put-by-reference, then a method call.
bool put(const ObjectRef& object, std::string_view member, const Variant& value,
         std::initializer_list<Variant> indices = {});

// Calls a method: method first, then property-get.
Variant call(const ObjectRef& object, std::string_view member,
             std::initializer_list<Variant> args = {});

}  // namespace automation
