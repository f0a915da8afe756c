// The tables behind named_controls.h and named_menus.h: one kind of table for
// both, since a window and a popup menu are named and looked up alike.
#include <map>

#include "named_controls.h"
#include "named_menus.h"

namespace {

// Template names bound to the handles made from them. A handle the system no
// longer knows reads as null, so a handler never acts on a destroyed one.
template <typename Handle>
class HandleNames {
  public:
    using IsAlive = BOOL(WINAPI*)(Handle);

    explicit HandleNames(IsAlive isAlive) : isAlive_(isAlive) {}
    HandleNames(const HandleNames&) = delete;
    HandleNames& operator=(const HandleNames&) = delete;

    void bind(const Text& name, Handle handle) { table_[name] = handle; }
    Handle find(std::string_view name) const {
        auto found = table_.find(name);
        return found != table_.end() && isAlive_(found->second) ? found->second : nullptr;
    }
    void clear() { table_.clear(); }

  private:
    IsAlive isAlive_;
    std::map<Text, Handle, std::less<>> table_;
};

HandleNames<HWND>& windows() {
    static HandleNames<HWND> table(IsWindow);
    return table;
}

HandleNames<HMENU>& menus() {
    static HandleNames<HMENU> table(IsMenu);
    return table;
}

}  // namespace

void nameControl(const Text& name, HWND window) {
    windows().bind(name, window);
}

void nameMenu(const Text& name, HMENU menu) {
    menus().bind(name, menu);
}

HWND namedControl(std::string_view name) {
    return windows().find(name);
}

HMENU namedMenu(std::string_view name) {
    return menus().find(name);
}

void forgetNamedControls() {
    windows().clear();
}

void forgetNamedMenus() {
    menus().clear();
}
