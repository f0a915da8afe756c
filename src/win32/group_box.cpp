#include "group_box.h"

#include <algorithm>
#include <string>

#include "wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriGroupBox";

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
    FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(memory, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics;
    GetTextMetricsW(memory, &metrics);
    RECT frame = client;
    frame.top = metrics.tmHeight / 2;
    DrawEdge(memory, &frame, EDGE_ETCHED, BF_RECT);

    const std::wstring text = caption(box);
    if (!text.empty()) {
        RECT textRect = {8, 0, client.right - 8, metrics.tmHeight};
        DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_CALCRECT);
        textRect.left -= 2;
        textRect.right = std::min<LONG>(textRect.right + 2, client.right - 6);
        FillRect(memory, &textRect, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, GetSysColor(COLOR_WINDOWTEXT));
        textRect.left += 2;
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
