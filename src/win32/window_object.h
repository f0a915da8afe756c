#pragma once
// Custom controls as C++ objects: the window owns its object from
// WM_NCCREATE to WM_NCDESTROY and forwards every message to it. The object
// sits in the window's extra bytes, leaving GWLP_USERDATA to the control's
// users. A control class derives from WindowObject and provides
// handle(UINT, WPARAM, LPARAM) -> LRESULT.

#include <windows.h>

#include <memory>
#include <string>

#include "child_place.h"

// The base of every control object: the window it belongs to, known from
// WM_NCCREATE on. Not copyable, since the window holds it by address.
class WindowObject {
  public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    void attach(HWND window) { window_ = window; }

  protected:
    ~WindowObject() = default;

    HWND window_ = nullptr;
};

template <class Control>
Control* windowObject(HWND window) {
    return reinterpret_cast<Control*>(GetWindowLongPtrW(window, 0));
}

template <class Control>
LRESULT CALLBACK windowObjectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The window takes the object over from the creating function.
        auto* owner = static_cast<std::unique_ptr<Control>*>(
            reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        owner->get()->attach(window);
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(owner->release()));
    }
    Control* control = windowObject<Control>(window);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, 0, 0);
        delete control;
        control = nullptr;
    }
    return control ? control->handle(message, wParam, lParam)
                   : DefWindowProcW(window, message, wParam, lParam);
}

// Registers the window class `className` for Control, painted over with
// `background` where the control leaves it; the first call registers, every
// call returns the class.
template <class Control>
ATOM registerWindowObjectClass(const wchar_t* className, HBRUSH background = nullptr) {
    static const ATOM atom = [className, background] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = windowObjectProc<Control>;
        windowClass.cbWndExtra = sizeof(Control*);
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        return RegisterClassW(&windowClass);
    }();
    return atom;
}

// Creates a child window of the registered class `className` at `place`,
// which then owns `control`.
template <class Control>
HWND createWindowObject(std::unique_ptr<Control> control, const wchar_t* className,
                        const ChildPlace& place, DWORD style, const std::wstring& text = {},
                        DWORD extendedStyle = 0) {
    registerWindowObjectClass<Control>(className);
    return createChildWindow(place, className, style, text, extendedStyle, &control);
}

// The object of `window` when it is a window of `windowClass`; null for any
// other window.
template <class Control>
Control* windowObjectOf(HWND window, ATOM windowClass) {
    if (window == nullptr || static_cast<ATOM>(GetClassLongW(window, GCW_ATOM)) != windowClass) {
        return nullptr;
    }
    return windowObject<Control>(window);
}
