#pragma once
// How the skin library colours the program's own custom-drawn controls (the
// group box, the roll-up menu): it sends each window the registered message
// skinPaletteMessage() with wParam 0 and lParam pointing to a SkinPalette, or
// lParam 0 to go back to the system's colours. A control that understands the
// message copies the palette (the pointer is valid only during the call),
// repaints itself and returns TRUE; every other window ignores it. A palette
// whose `size` is not sizeof(SkinPalette) counts as none.

#include <windows.h>

struct SkinPalette {
    UINT size;
    COLORREF face;        // backgrounds of windows and frames
    COLORREF text;        // captions drawn on the face
    COLORREF frameLight;  // the light and dark lines of etched and raised edges
    COLORREF frameShadow;
    COLORREF headerFace;  // roll-up menu group headers
    COLORREF headerText;
    COLORREF entryBack;  // roll-up menu entry area
    COLORREF entryText;
    COLORREF highlight;  // a pressed or hovered entry
    COLORREF highlightText;
};

inline UINT skinPaletteMessage() {
    static const UINT message = RegisterWindowMessageW(L"SkinH_Palette");
    return message;
}

// The palette a skinPaletteMessage() carries; null for the system's colours.
inline const SkinPalette* skinPaletteOf(LPARAM lParam) {
    const auto* palette = reinterpret_cast<const SkinPalette*>(lParam);
    return palette && palette->size == sizeof(SkinPalette) ? palette : nullptr;
}
