#pragma once
// Custom controls as C++ objects: the window owns its object from
// WM_NCCREATE to WM_NCDESTROY and forwards every message to it. The object
// sits in the window's extra bytes, leaving GWLP_USERDATA to the control's
// users. A control class provides attach(HWND) and
// handle(UINT, WPARAM, LPARAM) -> LRESULT.

#include <windows.h>

#include <memory>

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

// Registers the window class `className` for Control once.
template <class Control>
void registerWindowObjectClass(const wchar_t* className) {
    static const bool registered = [className] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = windowObjectProc<Control>;
        windowClass.cbWndExtra = sizeof(Control*);
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        return RegisterClassW(&windowClass) != 0;
    }();
    static_cast<void>(registered);
}
