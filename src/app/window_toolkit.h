#pragma once
// The window operations that the size limits and the proportional re-layout
// stand on. On Windows they are the system's own functions; the host build
// supplies a tree of stand-in windows, so that the re-layout's arithmetic and
// bookkeeping are tested there. Window handles and window procedures are
// carried as integers, as the program's state keeps them.

#include <cstdint>

#include "common/value_types.h"

// A window procedure as the system calls it: (window, message, wParam,
// lParam) -> result, with the system's calling convention.
#if defined(_WIN32)
#define NUVRI_WINDOW_PROC __stdcall
#else
#define NUVRI_WINDOW_PROC
#endif
using WindowProcedure = std::intptr_t(NUVRI_WINDOW_PROC*)(std::intptr_t window,
                                                          std::uint32_t message,
                                                          std::uintptr_t wParam,
                                                          std::intptr_t lParam);

inline constexpr std::uint32_t kWindowSized = 0x0005;    // WM_SIZE
inline constexpr std::uint32_t kGetMinMaxInfo = 0x0024;  // WM_GETMINMAXINFO

struct WindowPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Edges in pixels; a client rectangle starts at 0,0.
struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The layout of MINMAXINFO, whose address WM_GETMINMAXINFO carries.
struct MinMaxInfo {
    WindowPoint reserved;
    WindowPoint maxSize;
    WindowPoint maxPosition;
    WindowPoint minTrackSize;
    WindowPoint maxTrackSize;
};

class WindowToolkit {
  public:
    virtual ~WindowToolkit() = default;

    // FindWindowExW(parent, after, null, null): the child of `parent` after
    // `after` (0: the first); 0 when there is none.
    virtual std::intptr_t nextChild(std::intptr_t parent, std::intptr_t after) = 0;
    virtual Text className(std::intptr_t window) = 0;
    virtual std::intptr_t parentOf(std::intptr_t window) = 0;
    virtual WindowRect clientRect(std::intptr_t window) = 0;
    // In screen coordinates.
    virtual WindowRect windowRect(std::intptr_t window) = 0;
    virtual WindowPoint screenToClient(std::intptr_t window, WindowPoint point) = 0;
    virtual bool isWindow(std::intptr_t window) = 0;
    // Moves and sizes a child, leaving its place in its siblings' stacking
    // order (which is also the order Tab visits them in); a combo box ends
    // up as high as asked even where the control would pick its own height.
    virtual void setWindowPos(std::intptr_t window, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height) = 0;
    virtual void updateWindow(std::intptr_t window) = 0;
    // Puts `procedure` in front of the window's procedure; returns the one it replaced.
    virtual std::intptr_t installWindowProc(std::intptr_t window, WindowProcedure procedure) = 0;
    // CallWindowProcW with a procedure that installWindowProc returned.
    virtual std::intptr_t callWindowProc(std::intptr_t procedure, std::intptr_t window,
                                         std::uint32_t message, std::uintptr_t wParam,
                                         std::intptr_t lParam) = 0;
    // DefWindowProcW, for a hook that no longer knows what it replaced.
    virtual std::intptr_t defaultWindowProc(std::intptr_t window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Platform edge: the windows of this process.
WindowToolkit& windowToolkit();
