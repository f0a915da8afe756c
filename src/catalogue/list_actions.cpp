#include "list_actions.h"

namespace {

std::uint32_t actionsBegun = 0;

}  // namespace

std::uint32_t beginListAction() {
    return ++actionsBegun;
}

std::uint32_t latestListAction() {
    return actionsBegun;
}
