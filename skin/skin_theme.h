#pragma once
// The colours a skin gives the windows it draws, as read from a .she skin.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class SkinColour {
    windowBack,  // top-level windows, and static text on them
    windowText,
    controlBack,  // edit, combo and list boxes
    controlText,
    buttonFace,  // push buttons
    buttonText,
    frameLight,  // the two lines of an etched or raised edge
    frameShadow,
    captionText,  // group box captions
    listBack,     // list views
    listText,
    headerFace,  // list view column headers
    headerText,
    menuHeaderFace,  // the roll-up menu's group headers
    menuHeaderText,
    menuEntryBack,  // the roll-up menu's entry area
    menuEntryText,
    menuHighlight,  // a pressed or hovered roll-up menu entry
    menuHighlightText,
    count
};

inline constexpr std::size_t kSkinColourCount = static_cast<std::size_t>(SkinColour::count);

// The key of each colour in a .she skin, in the order of SkinColour.
inline constexpr std::array<std::string_view, kSkinColourCount> kSkinColourKeys = {
    "window.back",     "window.text",      "control.back",        "control.text",
    "button.face",     "button.text",      "frame.light",         "frame.shadow",
    "caption.text",    "list.back",        "list.text",           "header.face",
    "header.text",     "menu.header.face", "menu.header.text",    "menu.entry.back",
    "menu.entry.text", "menu.highlight",   "menu.highlight.text",
};

// Colours as 0x00BBGGRR, the layout of a Windows COLORREF.
struct SkinTheme {
    std::array<std::uint32_t, kSkinColourCount> colours{};

    std::uint32_t operator[](SkinColour colour) const {
        return colours[static_cast<std::size_t>(colour)];
    }
};
