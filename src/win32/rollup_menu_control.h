#pragma once
// The roll-up menu's state and behaviour behind its window procedure. Layout,
// painting and input live in rollup_menu_layout.cpp, rollup_menu_paint.cpp and
// rollup_menu_input.cpp.

#include <windows.h>

#include <optional>
#include <vector>

#include "win32/gdi_object.h"
#include "win32/rollup_menu.h"
#include "win32/skin_palette.h"
#include "win32/window_object.h"

// A part of the menu under a point or under the keyboard focus.
struct RollupPart {
    enum Kind { kNothing, kHeader, kEntry, kScrollUp, kScrollDown };
    Kind kind = kNothing;
    int index = -1;  // the group of a header, the entry of an entry

    bool operator==(const RollupPart&) const = default;
};

class RollupMenu final : public WindowObject {
  public:
    explicit RollupMenu(std::vector<RollupGroup> groups);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    Text caption(int entry, int group) const;

  private:
    // Layout.
    int groupCount() const { return static_cast<int>(groups_.size()); }
    int entryCount() const;
    RECT client() const;
    RECT headerRect(int group) const;
    RECT entryArea() const;
    RECT entryRect(int entry) const;
    RECT scrollUpRect() const;
    RECT scrollDownRect() const;
    int visibleEntryCount() const;
    bool canScrollUp() const { return firstEntry_ > 0; }
    bool canScrollDown() const;
    RollupPart hitTest(POINT point) const;
    RECT partRect(const RollupPart& part) const;
    std::vector<RollupPart> focusStops() const;
    void scrollTo(int firstEntry);
    void scrollIntoView(int entry);
    void onSize();

    // Painting.
    void setPalette(const SkinPalette* palette);
    // The skin's colour `field` while a skin palette is set, else system colour `systemIndex`.
    COLORREF colour(COLORREF SkinPalette::*field, int systemIndex) const;
    void onPaint();
    void paintHeader(HDC dc, int group) const;
    void paintEntries(HDC dc) const;
    void paintEntry(HDC dc, int entry) const;
    void paintScrollButtons(HDC dc) const;
    void paintFocusMark(HDC dc) const;

    // Input.
    void onLeftButtonDown(POINT point);
    void onLeftButtonUp(POINT point);
    void onMouseMove(POINT point);
    void onMouseLeave();
    void onMouseWheel(int delta);
    void onKeyDown(WPARAM key);
    LRESULT onGetDlgCode(const MSG* message) const;
    void onCaptureChanged();
    void moveFocus(int step);
    void activate(const RollupPart& part);
    void openGroup(int group);
    void notifyEntryClicked(int entry);
    void redraw();

    std::vector<RollupGroup> groups_;
    // Headers and entries share this font: both are SimSun 12 px at 96 DPI.
    GdiObject<HFONT> font_;
    std::optional<SkinPalette> palette_;
    int openGroup_ = 0;
    int firstEntry_ = 0;
    RollupPart hot_;
    RollupPart pressed_;
    RollupPart focus_;
    bool trackingLeave_ = false;
    int wheelRemainder_ = 0;
};
