#include "list_actions.h"

#include <array>

namespace {

std::array<std::uint32_t, 3> actionsBegun = {};

std::uint32_t& begun(ActionScope scope) {
    return actionsBegun[static_cast<std::size_t>(scope)];
}

}  // namespace

std::uint32_t beginAction(ActionScope scope) {
    return ++begun(scope);
}

std::uint32_t latestAction(ActionScope scope) {
    return begun(scope);
}
