#include "child_place.h"

HWND createChildWindow(const ChildPlace& place, const wchar_t* className, DWORD style,
                       const std::wstring& text, DWORD extendedStyle, void* createParam) {
    style |= WS_CHILD | WS_VISIBLE;
    if (place.tabStop) {
        style |= WS_TABSTOP;
    }
    if (!place.enabled) {
        style |= WS_DISABLED;
    }
    return CreateWindowExW(extendedStyle, className, text.c_str(), style, place.left, place.top,
                           place.width, place.height, place.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.controlId)),
                           GetModuleHandleW(nullptr), createParam);
}
