#pragma once
// One window the skin library draws, and what it gives back on detach.

#include <windows.h>

#include <optional>

enum class SkinnedKind {
    container,   // a child window: the colours it hands its own controls
    frame,       // a top-level window: its background, and the colours of its controls
    pushButton,  // drawn by the skin library in the skin's button colours
    listView,    // list colours set on the control, its header drawn by the skin library
};

struct ListViewColours {
    COLORREF back;
    COLORREF text;
    COLORREF textBack;
};

struct SkinnedWindow {
    HWND window = nullptr;
    SkinnedKind kind = SkinnedKind::container;
    // Set by SkinH_SetBackColor and SkinH_SetForeColor; the skin's colours otherwise.
    std::optional<COLORREF> back;
    std::optional<COLORREF> fore;
    // List views: the colours they had before the skin.
    ListViewColours saved{};
    // Frames: a drag anywhere in the client area moves the window.
    bool movable = false;
};
