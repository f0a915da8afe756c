// Drawing a roll-up menu: raised header bars, entry rows that light up under
// the mouse, scroll arrows when the open group does not fit, and the focus mark.
#include <string>

#include "dpi_scale.h"
#include "offscreen_paint.h"
#include "rollup_menu_control.h"
#include "wide_text.h"

namespace {

// Paddings at 96 DPI, scaled with the system DPI; frame lines stay one pixel.
constexpr int kEntryIndent = 14;
constexpr int kCaptionPadding = 4;
constexpr int kFocusMarkInset = 3;

// A colour `percent` of the way from `from` to `to`.
COLORREF mix(COLORREF from, COLORREF to, int percent) {
    auto channel = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

void fill(HDC dc, const RECT& rect, COLORREF color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

// A header bar in the skin's colours: its face inside a raised edge, sunken when down.
void drawSkinnedBar(HDC dc, const RECT& rect, const SkinPalette& palette, bool down) {
    fill(dc, rect, palette.headerFace);
    const RECT topLeft[] = {{rect.left, rect.top, rect.right - 1, rect.top + 1},
                            {rect.left, rect.top, rect.left + 1, rect.bottom - 1}};
    const RECT bottomRight[] = {{rect.left, rect.bottom - 1, rect.right, rect.bottom},
                                {rect.right - 1, rect.top, rect.right, rect.bottom}};
    for (const RECT& line : topLeft) {
        fill(dc, line, down ? palette.frameShadow : palette.frameLight);
    }
    for (const RECT& line : bottomRight) {
        fill(dc, line, down ? palette.frameLight : palette.frameShadow);
    }
}

void drawCaption(HDC dc, const Text& caption, RECT rect, UINT format, COLORREF color) {
    const std::wstring text = toWide(caption);
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

void RollupMenu::setPalette(const SkinPalette* palette) {
    palette_.reset();
    if (palette) {
        palette_ = *palette;
    }
    redraw();
}

COLORREF RollupMenu::colour(COLORREF SkinPalette::*field, int systemIndex) const {
    return palette_ ? (*palette_).*field : GetSysColor(systemIndex);
}

void RollupMenu::onPaint() {
    OffscreenPaint paint(window_);
    HDC dc = paint.dc();
    fill(dc, paint.client(), colour(&SkinPalette::face, COLOR_BTNFACE));
    SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    paintEntries(dc);
    for (int group = 0; group < groupCount(); ++group) {
        paintHeader(dc, group);
    }
    if (GetFocus() == window_) {
        paintFocusMark(dc);
    }
}

void RollupMenu::paintHeader(HDC dc, int group) const {
    RECT rect = headerRect(group);
    const bool down = pressed_ == RollupPart{RollupPart::kHeader, group} && hot_ == pressed_;
    if (palette_) {
        drawSkinnedBar(dc, rect, *palette_, down);
    } else {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    }
    if (down) {
        OffsetRect(&rect, 1, 1);
    }
    InflateRect(&rect, -scaled(kCaptionPadding), 0);
    drawCaption(dc, groups_[group].caption, rect, DT_CENTER,
                colour(&SkinPalette::headerText, COLOR_BTNTEXT));
}

void RollupMenu::paintEntries(HDC dc) const {
    const RECT area = entryArea();
    fill(dc, area, colour(&SkinPalette::entryBack, COLOR_WINDOW));
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    for (int entry = firstEntry_; entry < entryCount(); ++entry) {
        if (entryRect(entry).top >= area.bottom) {
            break;
        }
        paintEntry(dc, entry);
    }
    paintScrollButtons(dc);
    RestoreDC(dc, saved);
}

void RollupMenu::paintEntry(HDC dc, int entry) const {
    RECT rect = entryRect(entry);
    const RollupPart part{RollupPart::kEntry, entry};
    COLORREF textColor = colour(&SkinPalette::entryText, COLOR_WINDOWTEXT);
    RECT highlight = rect;
    InflateRect(&highlight, -2, -1);
    const COLORREF accent = colour(&SkinPalette::highlight, COLOR_HIGHLIGHT);
    if (pressed_ == part && hot_ == part) {
        fill(dc, highlight, accent);
        textColor = colour(&SkinPalette::highlightText, COLOR_HIGHLIGHTTEXT);
    } else if (hot_ == part && pressed_.kind == RollupPart::kNothing) {
        const COLORREF back = colour(&SkinPalette::entryBack, COLOR_WINDOW);
        fill(dc, highlight, mix(back, accent, 20));
        GdiObject<HBRUSH> frame(CreateSolidBrush(mix(back, accent, 60)));
        FrameRect(dc, &highlight, frame.get());
    }
    rect.left += scaled(kEntryIndent);
    drawCaption(dc, groups_[openGroup_].entries[entry], rect, DT_LEFT, textColor);
}

void RollupMenu::paintScrollButtons(HDC dc) const {
    if (canScrollUp()) {
        RECT rect = scrollUpRect();
        const bool down = pressed_.kind == RollupPart::kScrollUp && hot_ == pressed_;
        DrawFrameControl(dc, &rect, DFC_SCROLL, DFCS_SCROLLUP | (down ? DFCS_PUSHED : 0));
    }
    if (canScrollDown()) {
        RECT rect = scrollDownRect();
        const bool down = pressed_.kind == RollupPart::kScrollDown && hot_ == pressed_;
        DrawFrameControl(dc, &rect, DFC_SCROLL, DFCS_SCROLLDOWN | (down ? DFCS_PUSHED : 0));
    }
}

// An entry scrolled out of sight keeps the focus but shows no mark over the headers.
void RollupMenu::paintFocusMark(HDC dc) const {
    if (focus_.kind == RollupPart::kNothing) {
        return;
    }
    const int saved = SaveDC(dc);
    if (focus_.kind == RollupPart::kEntry) {
        const RECT area = entryArea();
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    RECT mark = partRect(focus_);
    InflateRect(&mark, -scaled(kFocusMarkInset), -scaled(kFocusMarkInset));
    DrawFocusRect(dc, &mark);
    RestoreDC(dc, saved);
}
