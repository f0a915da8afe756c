#include "group_box.h"

#include <algorithm>
#include <string>

#include "dpi_scale.h"
#include "gdi_object.h"
#include "skin_palette.h"
#include "wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriGroupBox";
// The skin's palette while the skin library colours the box; absent otherwise.
constexpr wchar_t kPaletteProperty[] = L"NuvriPalette";
// Where the caption sits in the top edge, at 96 DPI: its indent from the
// left, the gap cleared on either side of it, and the least distance of the
// cleared gap from the right. The system's interface font, which the caption
// uses unless the box is given another, already follows the system DPI.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;
constexpr int kCaptionRightMargin = 6;

const SkinPalette* paletteOf(HWND box) {
    return static_cast<const SkinPalette*>(GetPropW(box, kPaletteProperty));
}

void setPalette(HWND box, const SkinPalette* palette) {
    delete static_cast<SkinPalette*>(RemovePropW(box, kPaletteProperty));
    if (palette) {
        SetPropW(box, kPaletteProperty, new SkinPalette(*palette));
    }
    InvalidateRect(box, nullptr, TRUE);
}

void fill(HDC dc, const RECT& rect, const SkinPalette* palette) {
    if (!palette) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    GdiObject<HBRUSH> brush(CreateSolidBrush(palette->face));
    FillRect(dc, &rect, brush.get());
}

// The etched edge: a dark line with a light one just inside and below it.
void drawFrame(HDC dc, RECT frame, const SkinPalette* palette) {
    if (!palette) {
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        return;
    }
    GdiObject<HBRUSH> shadow(CreateSolidBrush(palette->frameShadow));
    GdiObject<HBRUSH> light(CreateSolidBrush(palette->frameLight));
    const RECT outer = {frame.left, frame.top, frame.right - 1, frame.bottom - 1};
    const RECT inner = {frame.left + 1, frame.top + 1, frame.right, frame.bottom};
    FrameRect(dc, &inner, light.get());
    FrameRect(dc, &outer, shadow.get());
}

std::wstring caption(HWND box) {
    const int length = GetWindowTextLengthW(box);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(box, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The etched frame with the caption set into its top edge, drawn through a
// memory bitmap so resizing does not flicker.
void paint(HWND box) {
    PAINTSTRUCT paintStruct;
    HDC target = BeginPaint(box, &paintStruct);
    RECT client;
    GetClientRect(box, &client);
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    const SkinPalette* palette = paletteOf(box);
    fill(memory, client, palette);

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(memory, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics;
    GetTextMetricsW(memory, &metrics);
    RECT frame = client;
    frame.top = metrics.tmHeight / 2;
    drawFrame(memory, frame, palette);

    const std::wstring text = caption(box);
    if (!text.empty()) {
        const int indent = scaled(kCaptionIndent);
        const int gap = scaled(kCaptionGap);
        RECT textRect = {indent, 0, client.right - indent, metrics.tmHeight};
        DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_CALCRECT);
        textRect.left -= gap;
        textRect.right =
            std::min<LONG>(textRect.right + gap, client.right - scaled(kCaptionRightMargin));
        fill(memory, textRect, palette);
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, palette ? palette->text : GetSysColor(COLOR_WINDOWTEXT));
        textRect.left += gap;
        DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    BitBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(box, &paintStruct);
}

LRESULT CALLBACK groupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == skinPaletteMessage()) {
        setPalette(box, skinPaletteOf(lParam));
        return TRUE;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            paint(box);
            return 0;
        case WM_SETFONT:
            SetPropW(box, L"NuvriFont", reinterpret_cast<HANDLE>(wParam));
            if (LOWORD(lParam)) {
                InvalidateRect(box, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(GetPropW(box, L"NuvriFont"));
        case WM_NCDESTROY:
            RemovePropW(box, L"NuvriFont");
            setPalette(box, nullptr);
            break;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_VSCROLL:
        case WM_HSCROLL:
            // The children belong to the window's logic, not to the frame.
            return SendMessageW(GetParent(box), message, wParam, lParam);
        default:
            break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

void registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = groupBoxProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND createGroupBox(HWND parent, int controlId, int left, int top, int width, int height,
                    const Text& caption) {
    registerClass();
    return CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, toWide(caption).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, left, top,
                           width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           GetModuleHandleW(nullptr), nullptr);
}
