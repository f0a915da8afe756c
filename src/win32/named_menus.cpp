#include "named_menus.h"

#include <map>

namespace {
std::map<Text, HMENU, std::less<>>& names() {
    static std::map<Text, HMENU, std::less<>> table;
    return table;
}
}  // namespace

void nameMenu(const Text& name, HMENU menu) {
    names()[name] = menu;
}

HMENU namedMenu(std::string_view name) {
    auto found = names().find(name);
    return found != names().end() && IsMenu(found->second) ? found->second : nullptr;
}

void forgetNamedMenus() {
    names().clear();
}
