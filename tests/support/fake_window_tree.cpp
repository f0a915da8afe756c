#include "fake_window_tree.h"

#include <memory>

namespace {
std::unique_ptr<FakeWindowTree> tree = std::make_unique<FakeWindowTree>();
}  // namespace

std::intptr_t FakeWindowTree::add(std::intptr_t parent, const Text& className, std::int32_t left,
                                  std::int32_t top, std::int32_t width, std::int32_t height) {
    const std::intptr_t handle = nextHandle_;
    nextHandle_ += 4;
    windows_[handle] = {parent,          className, {left, top, left + width, top + height},
                        {width, height}, true,      0};
    return handle;
}

FakePlace FakeWindowTree::placeOf(std::intptr_t handle) const {
    const WindowRect& place = windows_.at(handle).place;
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

void FakeWindowTree::resizeClient(std::intptr_t handle, std::int32_t width, std::int32_t height) {
    window(handle).client = {width, height};
}

std::intptr_t FakeWindowTree::send(std::intptr_t handle, std::uint32_t message,
                                   std::uintptr_t wParam, std::intptr_t lParam) {
    return callWindowProc(window(handle).procedure, handle, message, wParam, lParam);
}

WindowPoint FakeWindowTree::clientOrigin(std::intptr_t handle) const {
    WindowPoint origin;
    for (std::intptr_t at = handle; at != 0; at = windows_.at(at).parent) {
        origin.x += windows_.at(at).place.left;
        origin.y += windows_.at(at).place.top;
    }
    return origin;
}

std::intptr_t FakeWindowTree::nextChild(std::intptr_t parent, std::intptr_t after) {
    auto it = after ? windows_.upper_bound(after) : windows_.begin();
    for (; it != windows_.end(); ++it) {
        if (it->second.alive && it->second.parent == parent) {
            return it->first;
        }
    }
    return 0;
}

Text FakeWindowTree::className(std::intptr_t handle) {
    return window(handle).className;
}

std::intptr_t FakeWindowTree::parentOf(std::intptr_t handle) {
    return window(handle).parent;
}

WindowRect FakeWindowTree::clientRect(std::intptr_t handle) {
    return {0, 0, window(handle).client.x, window(handle).client.y};
}

WindowRect FakeWindowTree::windowRect(std::intptr_t handle) {
    const WindowPoint origin = clientOrigin(window(handle).parent);
    const WindowRect& place = window(handle).place;
    return {origin.x + place.left, origin.y + place.top, origin.x + place.right,
            origin.y + place.bottom};
}

WindowPoint FakeWindowTree::screenToClient(std::intptr_t handle, WindowPoint point) {
    const WindowPoint origin = clientOrigin(handle);
    return {point.x - origin.x, point.y - origin.y};
}

bool FakeWindowTree::isWindow(std::intptr_t handle) {
    const auto it = windows_.find(handle);
    return it != windows_.end() && it->second.alive;
}

void FakeWindowTree::setWindowPos(std::intptr_t handle, std::int32_t x, std::int32_t y,
                                  std::int32_t width, std::int32_t height) {
    moves.push_back({handle, x, y, width, height});
    window(handle).place = {x, y, x + width, y + height};
    window(handle).client = {width, height};
}

void FakeWindowTree::updateWindow(std::intptr_t handle) {
    repainted.push_back(handle);
}

std::intptr_t FakeWindowTree::installWindowProc(std::intptr_t handle, WindowProcedure procedure) {
    const std::intptr_t previous = window(handle).procedure;
    window(handle).procedure = reinterpret_cast<std::intptr_t>(procedure);
    return previous;
}

std::intptr_t FakeWindowTree::callWindowProc(std::intptr_t procedure, std::intptr_t handle,
                                             std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
    return reinterpret_cast<WindowProcedure>(procedure)(handle, message, wParam, lParam);
}

std::intptr_t FakeWindowTree::defaultWindowProc(std::intptr_t handle, std::uint32_t, std::uintptr_t,
                                                std::intptr_t) {
    defaultHandled.push_back(handle);
    return 0;
}

FakeWindowTree& fakeWindowTree() {
    return *tree;
}

void resetFakeWindowTree() {
    tree = std::make_unique<FakeWindowTree>();
}

WindowToolkit& windowToolkit() {
    return *tree;
}
