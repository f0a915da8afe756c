// Mouse and keyboard of a roll-up menu: pressing and releasing on the same
// header or entry activates it, Up and Down walk the headers and entries,
// Enter and Space activate the one with the focus mark.
#include <algorithm>

#include "rollup_menu_control.h"

void RollupMenu::onLeftButtonDown(POINT point) {
    if (GetWindowLongPtrW(window_, GWL_STYLE) & WS_TABSTOP) {
        SetFocus(window_);
    }
    const RollupPart part = hitTest(point);
    if (part.kind == RollupPart::kNothing) {
        return;
    }
    pressed_ = part;
    hot_ = part;
    if (part.kind == RollupPart::kHeader || part.kind == RollupPart::kEntry) {
        focus_ = part;
    }
    SetCapture(window_);
    // Scroll arrows act at once, like a scroll bar's.
    if (part.kind == RollupPart::kScrollUp) {
        scrollTo(firstEntry_ - 1);
    } else if (part.kind == RollupPart::kScrollDown) {
        scrollTo(firstEntry_ + 1);
    }
    redraw();
}

void RollupMenu::onLeftButtonUp(POINT point) {
    if (pressed_.kind == RollupPart::kNothing) {
        return;
    }
    const RollupPart released = pressed_;
    pressed_ = {};
    ReleaseCapture();
    redraw();
    if (hitTest(point) == released) {
        activate(released);
    }
}

void RollupMenu::onCaptureChanged() {
    if (pressed_.kind != RollupPart::kNothing) {
        pressed_ = {};
        redraw();
    }
}

void RollupMenu::onMouseMove(POINT point) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window_, 0};
        trackingLeave_ = TrackMouseEvent(&track);
    }
    const RollupPart part = hitTest(point);
    if (part != hot_) {
        hot_ = part;
        redraw();
    }
}

void RollupMenu::onMouseLeave() {
    trackingLeave_ = false;
    if (hot_.kind != RollupPart::kNothing) {
        hot_ = {};
        redraw();
    }
}

// Wheel notches can arrive in pieces (precision touch pads); whole notches scroll.
void RollupMenu::onMouseWheel(int delta) {
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    const int lines =
        std::min(static_cast<int>(std::min(linesPerNotch, 100u)), visibleEntryCount());
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ %= WHEEL_DELTA;
    scrollTo(firstEntry_ - notches * lines);
}

void RollupMenu::onKeyDown(WPARAM key) {
    switch (key) {
        case VK_UP:
            moveFocus(-1);
            break;
        case VK_DOWN:
            moveFocus(1);
            break;
        case VK_RETURN:
        case VK_SPACE:
            activate(focus_);
            break;
        default:
            break;
    }
}

// Arrows always, and Enter too, which a dialog would otherwise give its default button.
LRESULT RollupMenu::onGetDlgCode(const MSG* message) const {
    const bool enter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
    return DLGC_WANTARROWS | (enter ? DLGC_WANTMESSAGE : 0);
}

void RollupMenu::moveFocus(int step) {
    const std::vector<RollupPart> stops = focusStops();
    if (stops.empty()) {
        return;
    }
    const auto current = std::find(stops.begin(), stops.end(), focus_);
    const int position = current == stops.end()
                             ? 0
                             : std::clamp(static_cast<int>(current - stops.begin()) + step, 0,
                                          static_cast<int>(stops.size()) - 1);
    focus_ = stops[position];
    if (focus_.kind == RollupPart::kEntry) {
        scrollIntoView(focus_.index);
    }
    redraw();
}

void RollupMenu::activate(const RollupPart& part) {
    if (part.kind == RollupPart::kHeader) {
        openGroup(part.index);
    } else if (part.kind == RollupPart::kEntry) {
        notifyEntryClicked(part.index);
    }
}

void RollupMenu::openGroup(int group) {
    focus_ = {RollupPart::kHeader, group};
    if (group != openGroup_) {
        openGroup_ = group;
        firstEntry_ = 0;
        hot_ = {};
    }
    redraw();
}

// Last thing any input handler does: the parent may do anything in its answer.
void RollupMenu::notifyEntryClicked(int entry) {
    reportEntryClicked(window_, openGroup_, entry);
}

void RollupMenu::redraw() {
    InvalidateRect(window_, nullptr, FALSE);
}
