#pragma once
// The host's windows for the re-layout: a tree of stand-in windows with
// class names, places and client sizes, whose window procedures are plain
// functions. Moves and repaints are recorded; a move also resizes the
// window's client area, as a frameless child's would.

#include <cstdint>
#include <map>
#include <vector>

#include "app/window_toolkit.h"

struct FakeWindow {
    std::intptr_t parent = 0;
    Text className;
    WindowRect place;    // in the parent's client coordinates
    WindowPoint client;  // client width and height
    bool alive = true;
    std::intptr_t procedure = 0;
};

struct FakePlace {
    std::int32_t x, y, width, height;
    bool operator==(const FakePlace&) const = default;
};

struct FakeMove {
    std::intptr_t window;
    std::int32_t x, y, width, height;
    bool operator==(const FakeMove&) const = default;
};

class FakeWindowTree final : public WindowToolkit {
  public:
    // A window at left, top with that size; a top-level window when parent is 0.
    std::intptr_t add(std::intptr_t parent, const Text& className, std::int32_t left,
                      std::int32_t top, std::int32_t width, std::int32_t height);
    FakeWindow& window(std::intptr_t handle) { return windows_.at(handle); }
    // The window's place in its parent's client area.
    FakePlace placeOf(std::intptr_t handle) const;
    // Gives the window a new client size, as a frame resize does.
    void resizeClient(std::intptr_t handle, std::int32_t width, std::int32_t height);
    // Sends a message to the window's current procedure.
    std::intptr_t send(std::intptr_t handle, std::uint32_t message, std::uintptr_t wParam = 0,
                       std::intptr_t lParam = 0);

    std::vector<FakeMove> moves;
    std::vector<std::intptr_t> repainted;
    std::vector<std::intptr_t> defaultHandled;

    std::intptr_t nextChild(std::intptr_t parent, std::intptr_t after) override;
    Text className(std::intptr_t window) override;
    std::intptr_t parentOf(std::intptr_t window) override;
    WindowRect clientRect(std::intptr_t window) override;
    WindowRect windowRect(std::intptr_t window) override;
    WindowPoint screenToClient(std::intptr_t window, WindowPoint point) override;
    bool isWindow(std::intptr_t window) override;
    void setWindowPos(std::intptr_t window, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height) override;
    void updateWindow(std::intptr_t window) override;
    std::intptr_t installWindowProc(std::intptr_t window, WindowProcedure procedure) override;
    std::intptr_t callWindowProc(std::intptr_t procedure, std::intptr_t window,
                                 std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) override;
    std::intptr_t defaultWindowProc(std::intptr_t window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) override;

  private:
    // The screen position of the window's client origin.
    WindowPoint clientOrigin(std::intptr_t handle) const;

    std::map<std::intptr_t, FakeWindow> windows_;
    std::intptr_t nextHandle_ = 0x100;
};

// The tree that windowToolkit() answers with on the host; tests replace it
// with a fresh one.
FakeWindowTree& fakeWindowTree();
void resetFakeWindowTree();
