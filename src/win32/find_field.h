#pragma once
// A find field: a caption and a one-line edit in a strip just under a control
// of the window (its anchor), as wide as the anchor and over whatever lies
// there. Esc and Enter in the edit go to the field's owner, not to the
// window's dialog navigation.

#include <windows.h>

#include <functional>

#include "common/value_types.h"

struct FindFieldHandlers {
    // The edit's text, after each change.
    std::function<void(const Text&)> changed;
    // Esc in the edit.
    std::function<void()> escape;
    // Enter in the edit; the focus then goes to the anchor.
    std::function<void()> enter;
};

// Shows the find field of `anchor` with the focus in its edit and the edit's
// text selected; the first call for an anchor creates the field, with
// `caption` and `handlers`, in the anchor's top-level window.
void openFindField(HWND anchor, const Text& caption, FindFieldHandlers handlers);

// Puts the open find field of `anchor` back under it, after the anchor has
// moved or changed size.
void placeFindField(HWND anchor);

// Hides and empties the find field of `anchor`; a focus in it goes to the
// anchor.
void closeFindField(HWND anchor);
