// The window operations of the size limits and the proportional re-layout,
// done by the system. Hooks are installed and called through the W functions:
// replacing the procedure of our Unicode window through an A function would
// turn it into an ANSI window and garble its Chinese texts.
#include <windows.h>

#include <commctrl.h>

#include <cstddef>

#include "app/window_toolkit.h"
#include "standard_controls.h"
#include "wide_text.h"

static_assert(sizeof(MinMaxInfo) == sizeof(MINMAXINFO));
static_assert(offsetof(MinMaxInfo, minTrackSize) == offsetof(MINMAXINFO, ptMinTrackSize));
static_assert(offsetof(MinMaxInfo, maxTrackSize) == offsetof(MINMAXINFO, ptMaxTrackSize));

namespace {

HWND hwnd(std::intptr_t window) {
    return reinterpret_cast<HWND>(window);
}

WindowRect fromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool isComboBox(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) > 0 && lstrcmpiW(name, WC_COMBOBOXW) == 0;
}

class SystemWindowToolkit final : public WindowToolkit {
  public:
    std::intptr_t nextChild(std::intptr_t parent, std::intptr_t after) override {
        return reinterpret_cast<std::intptr_t>(
            FindWindowExW(hwnd(parent), hwnd(after), nullptr, nullptr));
    }
    Text className(std::intptr_t window) override {
        wchar_t name[256] = {};
        const int length = GetClassNameW(hwnd(window), name, 256);
        return fromWide(std::wstring_view(name, length > 0 ? length : 0));
    }
    std::intptr_t parentOf(std::intptr_t window) override {
        return reinterpret_cast<std::intptr_t>(GetParent(hwnd(window)));
    }
    WindowRect clientRect(std::intptr_t window) override {
        RECT rect = {};
        GetClientRect(hwnd(window), &rect);
        return fromRect(rect);
    }
    WindowRect windowRect(std::intptr_t window) override {
        RECT rect = {};
        GetWindowRect(hwnd(window), &rect);
        return fromRect(rect);
    }
    WindowPoint screenToClient(std::intptr_t window, WindowPoint point) override {
        POINT converted = {point.x, point.y};
        ScreenToClient(hwnd(window), &converted);
        return {converted.x, converted.y};
    }
    bool isWindow(std::intptr_t window) override { return IsWindow(hwnd(window)) != FALSE; }
    void setWindowPos(std::intptr_t window, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height) override {
        // Without SWP_NOZORDER every child would be raised to the top as it is
        // placed, reversing the siblings' order and with it the Tab order.
        SetWindowPos(hwnd(window), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (isComboBox(hwnd(window))) {
            fitClosedHeight(hwnd(window), height);
        }
    }
    void updateWindow(std::intptr_t window) override { UpdateWindow(hwnd(window)); }
    std::intptr_t installWindowProc(std::intptr_t window, WindowProcedure procedure) override {
        // The hook has the layout of a WNDPROC: four pointer-sized arguments,
        // stdcall on i686.
        return SetWindowLongPtrW(hwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    }
    std::intptr_t callWindowProc(std::intptr_t procedure, std::intptr_t window,
                                 std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) override {
        return CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), hwnd(window), message, wParam,
                               lParam);
    }
    std::intptr_t defaultWindowProc(std::intptr_t window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) override {
        return DefWindowProcW(hwnd(window), message, wParam, lParam);
    }
};

}  // namespace

WindowToolkit& windowToolkit() {
    static SystemWindowToolkit toolkit;
    return toolkit;
}
