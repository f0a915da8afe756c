// Where the headers, entries and scroll buttons of a roll-up menu lie.
#include <algorithm>

#include "dpi_scale.h"
#include "rollup_menu_control.h"

namespace {

// At 96 DPI; the menu scales them with the system DPI, like its font.
constexpr int kHeaderHeight = 24;
constexpr int kEntryHeight = 22;
constexpr int kScrollButtonSize = 16;
constexpr int kScrollButtonMargin = 2;

int headerHeight() {
    return scaled(kHeaderHeight);
}

int entryHeight() {
    return scaled(kEntryHeight);
}

int scrollButtonSize() {
    return scaled(kScrollButtonSize);
}

int scrollButtonMargin() {
    return scaled(kScrollButtonMargin);
}

}  // namespace

int RollupMenu::entryCount() const {
    if (openGroup_ < 0 || openGroup_ >= groupCount()) {
        return 0;
    }
    return static_cast<int>(groups_[openGroup_].entries.size());
}

RECT RollupMenu::client() const {
    RECT rect = {};
    GetClientRect(window_, &rect);
    return rect;
}

// Headers up to the open one sit at the top; the later ones at the bottom.
RECT RollupMenu::headerRect(int group) const {
    const RECT area = client();
    const int top = group <= openGroup_ ? group * headerHeight()
                                        : area.bottom - (groupCount() - group) * headerHeight();
    return {0, top, area.right, top + headerHeight()};
}

RECT RollupMenu::entryArea() const {
    const RECT area = client();
    const int top = (openGroup_ + 1) * headerHeight();
    const int bottom = area.bottom - (groupCount() - openGroup_ - 1) * headerHeight();
    return {0, top, area.right, std::max(top, bottom)};
}

RECT RollupMenu::entryRect(int entry) const {
    const RECT area = entryArea();
    const int top = area.top + (entry - firstEntry_) * entryHeight();
    return {0, top, area.right, top + entryHeight()};
}

RECT RollupMenu::scrollUpRect() const {
    const RECT area = entryArea();
    const int right = area.right - scrollButtonMargin();
    const int top = area.top + scrollButtonMargin();
    return {right - scrollButtonSize(), top, right, top + scrollButtonSize()};
}

RECT RollupMenu::scrollDownRect() const {
    const RECT area = entryArea();
    const int right = area.right - scrollButtonMargin();
    const int bottom = area.bottom - scrollButtonMargin();
    return {right - scrollButtonSize(), bottom - scrollButtonSize(), right, bottom};
}

// Whole rows only, so that scrolling to the end shows the last entry entirely.
int RollupMenu::visibleEntryCount() const {
    const RECT area = entryArea();
    return std::max(1, static_cast<int>((area.bottom - area.top) / entryHeight()));
}

bool RollupMenu::canScrollDown() const {
    return firstEntry_ + visibleEntryCount() < entryCount();
}

RollupPart RollupMenu::hitTest(POINT point) const {
    for (int group = 0; group < groupCount(); ++group) {
        const RECT rect = headerRect(group);
        if (PtInRect(&rect, point)) {
            return {RollupPart::kHeader, group};
        }
    }
    const RECT area = entryArea();
    if (!PtInRect(&area, point)) {
        return {};
    }
    const RECT up = scrollUpRect();
    if (canScrollUp() && PtInRect(&up, point)) {
        return {RollupPart::kScrollUp};
    }
    const RECT down = scrollDownRect();
    if (canScrollDown() && PtInRect(&down, point)) {
        return {RollupPart::kScrollDown};
    }
    const int entry = firstEntry_ + static_cast<int>((point.y - area.top) / entryHeight());
    if (entry < entryCount()) {
        return {RollupPart::kEntry, entry};
    }
    return {};
}

RECT RollupMenu::partRect(const RollupPart& part) const {
    switch (part.kind) {
        case RollupPart::kHeader:
            return headerRect(part.index);
        case RollupPart::kEntry:
            return entryRect(part.index);
        case RollupPart::kScrollUp:
            return scrollUpRect();
        case RollupPart::kScrollDown:
            return scrollDownRect();
        case RollupPart::kNothing:
            break;
    }
    return {};
}

// The order in which Up and Down walk the menu: as the parts lie on screen.
std::vector<RollupPart> RollupMenu::focusStops() const {
    std::vector<RollupPart> stops;
    for (int group = 0; group <= openGroup_ && group < groupCount(); ++group) {
        stops.push_back({RollupPart::kHeader, group});
    }
    for (int entry = 0; entry < entryCount(); ++entry) {
        stops.push_back({RollupPart::kEntry, entry});
    }
    for (int group = openGroup_ + 1; group < groupCount(); ++group) {
        stops.push_back({RollupPart::kHeader, group});
    }
    return stops;
}

void RollupMenu::scrollTo(int firstEntry) {
    const int last = std::max(0, entryCount() - visibleEntryCount());
    firstEntry = std::clamp(firstEntry, 0, last);
    if (firstEntry != firstEntry_) {
        firstEntry_ = firstEntry;
        // The entry under the mouse is another one now; the next move finds it.
        if (hot_.kind == RollupPart::kEntry) {
            hot_ = {};
        }
        redraw();
    }
}

void RollupMenu::scrollIntoView(int entry) {
    if (entry < firstEntry_) {
        scrollTo(entry);
    } else if (entry >= firstEntry_ + visibleEntryCount()) {
        scrollTo(entry - visibleEntryCount() + 1);
    }
}

// A new height moves the bottom headers and may show more entries.
void RollupMenu::onSize() {
    scrollTo(firstEntry_);
    redraw();
}
