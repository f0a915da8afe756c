#include "named_controls.h"

#include <map>

namespace {
std::map<Text, HWND, std::less<>>& names() {
    static std::map<Text, HWND, std::less<>> table;
    return table;
}
}  // namespace

void nameControl(const Text& name, HWND window) {
    names()[name] = window;
}

HWND namedControl(std::string_view name) {
    auto found = names().find(name);
    return found != names().end() && IsWindow(found->second) ? found->second : nullptr;
}

void forgetNamedControls() {
    names().clear();
}
