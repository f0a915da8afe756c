#include "native_objects.h"

#include <map>

#include "common/com_apartment.h"

namespace {
std::map<std::string, std::function<ObjectRef()>, std::less<>>& classes() {
    static std::map<std::string, std::function<ObjectRef()>, std::less<>> table;
    return table;
}
}  // namespace

void registerObjectClass(const std::string& progId, std::function<ObjectRef()> factory) {
    classes()[progId] = std::move(factory);
}

void clearObjectClasses() {
    classes().clear();
}

ObjectRef createObject(std::string_view progId) {
    auto found = classes().find(progId);
    return found == classes().end() ? nullptr : found->second();
}

// The host has no apartments; scripted objects need none. Entries and exits
// are counted so tests can see that they pair up.
namespace {
int apartmentDepth = 0;
}

void enterComApartment() {
    ++apartmentDepth;
}

void leaveComApartment() {
    --apartmentDepth;
}

int comApartmentDepth() {
    return apartmentDepth;
}
