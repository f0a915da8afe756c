// The skin library's 18 exported functions. Every argument and result is a
// 32-bit value; window arguments are window handles, texts are GBK. Functions
// that report success return 1, and 0 when they did nothing.
#include <windows.h>

#include <cstdint>
#include <span>

#include "skin_file.h"
#include "skin_format.h"
#include "skin_session.h"

#define SKIN_EXPORT extern "C" __declspec(dllexport) int __stdcall

namespace {

HWND windowOf(int handle) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(handle));
}

bool isColour(int red, int green, int blue) {
    return red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 && blue <= 255;
}

int attachBytes(std::span<const std::uint8_t> bytes) {
    const std::optional<SkinTheme> theme = parseSkin(bytes);
    return theme && attachSkin(*theme) ? 1 : 0;
}

}  // namespace

// Skins the calling thread's windows, and those it creates later, with the
// .she skin of `length` bytes at `data`, replacing an attached skin. A
// damaged skin changes nothing and returns 0, as does a call from another
// thread while one thread is skinned. Skins are not encrypted, so `password`
// and the rest are unused.
SKIN_EXPORT SkinH_AttachRes(const std::uint8_t* data, int length, const char* /*password*/, int,
                            int, int) {
    if (!data || length <= 0) {
        return 0;
    }
    return attachBytes({data, static_cast<std::size_t>(length)});
}

// SkinH_AttachRes with the skin read from the .she file at the GBK path `path`.
SKIN_EXPORT SkinH_AttachEx(const char* path, const char* /*password*/, int, int) {
    const SkinFile file(path);
    return attachBytes(file.bytes());
}

// Skins from program resources are not supported: does nothing, returns 0.
SKIN_EXPORT SkinH_AttachResEx(const char*, const char*) {
    return 0;
}

// There is no default skin to attach without one given: does nothing, returns 0.
SKIN_EXPORT SkinH_Attach() {
    return 0;
}

// Gives every skinned window back what it had before the skin, removes the
// hook and redraws; the library may be unloaded afterwards. Returns 1, or 0
// when called on another thread than the skinned one, which changes nothing.
SKIN_EXPORT SkinH_Detach() {
    return detachSkin() ? 1 : 0;
}

// SkinH_Detach for `window` and its child windows only; 0 when none is skinned.
SKIN_EXPORT SkinH_DetachEx(int window) {
    return detachSkinFrom(windowOf(window)) ? 1 : 0;
}

// The background colour of a skinned window (for a list view, its list; for
// a push button, its face; for a frame, its background and its controls').
SKIN_EXPORT SkinH_SetBackColor(int window, int red, int green, int blue) {
    SkinnedWindow* skinned = skinnedWindow(windowOf(window));
    if (!skinned || !isColour(red, green, blue)) {
        return 0;
    }
    skinned->back = RGB(red, green, blue);
    recolour(*skinned);
    return 1;
}

// The text colour of a skinned window, as SkinH_SetBackColor sets its background.
SKIN_EXPORT SkinH_SetForeColor(int window, int red, int green, int blue) {
    SkinnedWindow* skinned = skinnedWindow(windowOf(window));
    if (!skinned || !isColour(red, green, blue)) {
        return 0;
    }
    skinned->fore = RGB(red, green, blue);
    recolour(*skinned);
    return 1;
}

// With `movable` non-zero a drag anywhere in a skinned top-level window's
// client area moves it; 0 for any other window.
SKIN_EXPORT SkinH_SetWindowMovable(int window, int movable) {
    SkinnedWindow* skinned = skinnedWindow(windowOf(window));
    if (!skinned || skinned->kind != SkinnedKind::frame) {
        return 0;
    }
    skinned->movable = movable != 0;
    return 1;
}

// The opacity (0..255, clamped) of the popup menus the thread opens while
// skinned. Returns 1.
SKIN_EXPORT SkinH_SetMenuAlpha(int alpha) {
    setMenuAlpha(alpha);
    return 1;
}

// Makes a top-level window see-through: `alpha` 0..255 (clamped), 255 opaque.
SKIN_EXPORT SkinH_SetWindowAlpha(int window, int alpha) {
    HWND handle = windowOf(window);
    if (!IsWindow(handle)) {
        return 0;
    }
    const int opacity = alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
    SetWindowLongPtrW(handle, GWL_EXSTYLE, GetWindowLongPtrW(handle, GWL_EXSTYLE) | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(handle, 0, static_cast<BYTE>(opacity), LWA_ALPHA) ? 1 : 0;
}

// With `lock` non-zero the window stops drawing; unlocked, it draws again at once.
SKIN_EXPORT SkinH_LockUpdate(int window, int lock) {
    HWND handle = windowOf(window);
    if (!IsWindow(handle)) {
        return 0;
    }
    SendMessageW(handle, WM_SETREDRAW, lock ? FALSE : TRUE, 0);
    if (!lock) {
        RedrawWindow(handle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return 1;
}

// The colour (0x00BBGGRR) of the pixel at client point (x, y) of `window`, or
// of the screen for window 0; CLR_INVALID outside the window.
SKIN_EXPORT SkinH_GetColor(int window, int x, int y) {
    HWND handle = windowOf(window);
    HDC dc = GetDC(handle);
    if (!dc) {
        return static_cast<int>(CLR_INVALID);
    }
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(handle, dc);
    return static_cast<int>(colour);
}

// Skins draw no title bars or menu bars of their own: does nothing, returns 0.
SKIN_EXPORT SkinH_SetTitleMenuBar(int, int, int, int, int) {
    return 0;
}

// No glass effects: does nothing, returns 0.
SKIN_EXPORT SkinH_SetAero(int) {
    return 0;
}

// No glass effects: does nothing, returns 0.
SKIN_EXPORT SkinH_AdjustAero(int, int, int, int, int, int, int, int, int) {
    return 0;
}

// Skins carry no images to stretch: does nothing, returns 0.
SKIN_EXPORT SkinH_NineBlt(int, int, int, int, int, int) {
    return 0;
}

// Windows are skinned by their class, not mapped to skin parts: does nothing, returns 0.
SKIN_EXPORT SkinH_Map(int, int) {
    return 0;
}
