#include "skin_session.h"

#include <commctrl.h>

#include <algorithm>

#include "skin_brushes.h"
#include "skin_hook.h"
#include "skin_list_view.h"
#include "skin_menu_alpha.h"
#include "skin_subclass.h"
#include "skin_window_kind.h"
#include "win32/skin_palette.h"

namespace {

// Records live in fixed slots, so the library needs no heap and a record's
// address (the subclass's reference data) never moves. A window beyond the
// last slot keeps its own look.
constexpr int kMostWindows = 2048;

bool attached = false;
// Subclasses and the hook belong to the attaching thread; no other thread
// can take them down, so calls from other threads change nothing.
DWORD skinThread = 0;
SkinTheme theme;
SkinnedWindow slots[kMostWindows] = {};
int slotsInUse = 0;  // no record lies at or beyond this slot
int menuAlphaValue = 255;

SkinPalette paletteFor(const SkinnedWindow& skinned) {
    SkinPalette palette = {};
    palette.size = sizeof palette;
    palette.face = backColour(&skinned, SkinColour::windowBack);
    palette.text = foreColour(&skinned, SkinColour::captionText);
    palette.frameLight = theme[SkinColour::frameLight];
    palette.frameShadow = theme[SkinColour::frameShadow];
    palette.headerFace = theme[SkinColour::menuHeaderFace];
    palette.headerText = theme[SkinColour::menuHeaderText];
    palette.entryBack = theme[SkinColour::menuEntryBack];
    palette.entryText = theme[SkinColour::menuEntryText];
    palette.highlight = theme[SkinColour::menuHighlight];
    palette.highlightText = theme[SkinColour::menuHighlightText];
    return palette;
}

void redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

SkinnedWindow* subclass(HWND window, SkinnedKind kind) {
    SkinnedWindow* free = std::find_if(slots, slots + kMostWindows,
                                       [](const SkinnedWindow& slot) { return !slot.window; });
    if (free == slots + kMostWindows) {
        return nullptr;
    }
    *free = SkinnedWindow{};
    free->window = window;
    free->kind = kind;
    if (!SetWindowSubclass(window, skinSubclassProc, kSkinSubclassId,
                           reinterpret_cast<DWORD_PTR>(free))) {
        free->window = nullptr;
        return nullptr;
    }
    slotsInUse = std::max(slotsInUse, static_cast<int>(free - slots) + 1);
    return free;
}

void skinExisting(HWND window) {
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
        skinnedWindow(window)) {
        return;
    }
    const std::optional<SkinnedKind> kind =
        skinnedKindOf(window, GetWindowLongPtrW(window, GWL_STYLE));
    if (!kind) {
        return;
    }
    if (SkinnedWindow* skinned = subclass(window, *kind)) {
        finishSkinning(*skinned);
    }
}

BOOL CALLBACK skinChild(HWND window, LPARAM) {
    skinExisting(window);
    return TRUE;
}

BOOL CALLBACK skinTopLevel(HWND window, LPARAM) {
    skinExisting(window);
    EnumChildWindows(window, skinChild, 0);
    return TRUE;
}

bool isInside(HWND window, HWND root) {
    return window == root || IsChild(root, window);
}

bool onSkinThread() {
    return attached && GetCurrentThreadId() == skinThread;
}

// Gives back what the skin took from the windows inside `root` (every window
// when `root` is null), frees their slots and says how many there were. All of them are
// unsubclassed before any colour goes back: that sends messages, which must not reach a skin
// procedure half taken down.
int restoreWindows(HWND root) {
    bool taken[kMostWindows] = {};
    int count = 0;
    for (int i = 0; i < slotsInUse; ++i) {
        if (slots[i].window && (!root || isInside(slots[i].window, root))) {
            RemoveWindowSubclass(slots[i].window, skinSubclassProc, kSkinSubclassId);
            taken[i] = true;
            ++count;
        }
    }
    for (int i = 0; i < slotsInUse; ++i) {
        if (!taken[i]) {
            continue;
        }
        const SkinnedWindow skinned = slots[i];
        slots[i].window = nullptr;
        if (skinned.kind == SkinnedKind::listView) {
            setListViewColours(skinned.window, skinned.saved);
        }
        SendMessageW(skinned.window, skinPaletteMessage(), 0, 0);
        redraw(skinned.window);
    }
    return count;
}

}  // namespace

bool attachSkin(const SkinTheme& newTheme) {
    if (attached && !onSkinThread()) {
        return false;
    }
    detachSkin();
    if (!installSkinHook()) {
        return false;
    }
    attached = true;
    skinThread = GetCurrentThreadId();
    theme = newTheme;
    EnumThreadWindows(GetCurrentThreadId(), skinTopLevel, 0);
    return true;
}

bool detachSkin() {
    if (!attached) {
        return true;
    }
    if (!onSkinThread()) {
        return false;
    }
    removeSkinHook();
    restoreWindows(nullptr);
    attached = false;
    slotsInUse = 0;
    releaseSkinBrushes();
    return true;
}

bool detachSkinFrom(HWND root) {
    return onSkinThread() && root && restoreWindows(root) > 0;
}

const SkinTheme* attachedTheme() {
    return attached ? &theme : nullptr;
}

SkinnedWindow* skinnedWindow(HWND window) {
    if (!onSkinThread() || !window) {
        return nullptr;
    }
    SkinnedWindow* end = slots + slotsInUse;
    SkinnedWindow* found = std::find_if(
        slots, end, [window](const SkinnedWindow& slot) { return slot.window == window; });
    return found == end ? nullptr : found;
}

void skinNewWindow(HWND window, LONG_PTR style) {
    if (!attached) {
        return;
    }
    if (isPopupMenu(window)) {
        if (menuAlphaValue < 255) {
            fadePopupMenu(window, static_cast<BYTE>(menuAlphaValue));
        }
        return;
    }
    if (const std::optional<SkinnedKind> kind = skinnedKindOf(window, style)) {
        subclass(window, *kind);
    }
}

void finishSkinning(SkinnedWindow& skinned) {
    if (skinned.kind == SkinnedKind::listView) {
        skinned.saved = listViewColours(skinned.window);
    }
    recolour(skinned);
}

void recolour(const SkinnedWindow& skinned) {
    if (skinned.kind == SkinnedKind::listView) {
        const COLORREF back = backColour(&skinned, SkinColour::listBack);
        setListViewColours(skinned.window,
                           {back, foreColour(&skinned, SkinColour::listText), back});
    }
    const SkinPalette palette = paletteFor(skinned);
    SendMessageW(skinned.window, skinPaletteMessage(), 0, reinterpret_cast<LPARAM>(&palette));
    redraw(skinned.window);
}

void forgetWindow(HWND window) {
    if (SkinnedWindow* skinned = skinnedWindow(window)) {
        skinned->window = nullptr;
    }
}

COLORREF backColour(const SkinnedWindow* skinned, SkinColour colour) {
    return skinned && skinned->back ? *skinned->back : theme[colour];
}

COLORREF foreColour(const SkinnedWindow* skinned, SkinColour colour) {
    return skinned && skinned->fore ? *skinned->fore : theme[colour];
}

void setMenuAlpha(int alpha) {
    menuAlphaValue = std::clamp(alpha, 0, 255);
}
