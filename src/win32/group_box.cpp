#include "group_box.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "dpi_scale.h"
#include "gdi_object.h"
#include "offscreen_paint.h"
#include "skin_palette.h"
#include "wide_text.h"
#include "window_object.h"
#include "window_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriGroupBox";
// Where the caption sits in the top edge, at 96 DPI: its indent from the
// left, the gap cleared on either side of it, and the least distance of the
// cleared gap from the right. The system's interface font, which the caption
// uses unless the box is given another, already follows the system DPI.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;
constexpr int kCaptionRightMargin = 6;

class GroupBox final : public WindowObject {
  public:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == skinPaletteMessage()) {
            setPalette(skinPaletteOf(lParam));
            return TRUE;
        }
        switch (message) {
            case WM_ERASEBKGND:
                return TRUE;
            case WM_PAINT:
                onPaint();
                return 0;
            case WM_SETFONT:
                onSetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
                return 0;
            case WM_GETFONT:
                return reinterpret_cast<LRESULT>(font_);
            case WM_COMMAND:
            case WM_NOTIFY:
            case WM_CONTEXTMENU:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_DRAWITEM:
            case WM_MEASUREITEM:
            case WM_VSCROLL:
            case WM_HSCROLL:
                // The children belong to the window's logic, not to the frame.
                return SendMessageW(GetParent(window_), message, wParam, lParam);
            default:
                return DefWindowProcW(window_, message, wParam, lParam);
        }
    }

  private:
    // The skin's palette while the skin library colours the box; none otherwise.
    void setPalette(const SkinPalette* palette) {
        palette_.reset();
        if (palette) {
            palette_ = *palette;
        }
        InvalidateRect(window_, nullptr, TRUE);
    }

    void onSetFont(HFONT font, bool redraw) {
        font_ = font;
        if (redraw) {
            InvalidateRect(window_, nullptr, TRUE);
        }
    }

    void fill(HDC dc, const RECT& rect) const {
        if (!palette_) {
            FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
            return;
        }
        GdiObject<HBRUSH> brush(CreateSolidBrush(palette_->face));
        FillRect(dc, &rect, brush.get());
    }

    // The etched edge: a dark line with a light one just inside and below it.
    void drawFrame(HDC dc, RECT frame) const {
        if (!palette_) {
            DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
            return;
        }
        GdiObject<HBRUSH> shadow(CreateSolidBrush(palette_->frameShadow));
        GdiObject<HBRUSH> light(CreateSolidBrush(palette_->frameLight));
        const RECT outer = {frame.left, frame.top, frame.right - 1, frame.bottom - 1};
        const RECT inner = {frame.left + 1, frame.top + 1, frame.right, frame.bottom};
        FrameRect(dc, &inner, light.get());
        FrameRect(dc, &outer, shadow.get());
    }

    // The etched frame with the caption set into its top edge.
    void onPaint() {
        OffscreenPaint paint(window_);
        HDC dc = paint.dc();
        const RECT& client = paint.client();
        fill(dc, client);

        SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        RECT frame = client;
        frame.top = metrics.tmHeight / 2;
        drawFrame(dc, frame);

        const std::wstring text = wideWindowText(window_);
        if (text.empty()) {
            return;
        }
        const int indent = scaled(kCaptionIndent);
        const int gap = scaled(kCaptionGap);
        RECT textRect = {indent, 0, client.right - indent, metrics.tmHeight};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_CALCRECT);
        textRect.left -= gap;
        textRect.right =
            std::min<LONG>(textRect.right + gap, client.right - scaled(kCaptionRightMargin));
        fill(dc, textRect);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, palette_ ? palette_->text : GetSysColor(COLOR_WINDOWTEXT));
        textRect.left += gap;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_END_ELLIPSIS);
    }

    HFONT font_ = nullptr;  // the font WM_SETFONT gave, owned by whoever gave it
    std::optional<SkinPalette> palette_;
};

}  // namespace

HWND createGroupBox(const ChildPlace& place, const Text& caption) {
    return createWindowObject(std::make_unique<GroupBox>(), kClassName, place,
                              WS_CLIPCHILDREN | WS_CLIPSIBLINGS, toWide(caption),
                              WS_EX_CONTROLPARENT);
}
