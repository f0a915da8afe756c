// The roll-up menu's window class: creation, the message switch and the
// caption query.
#include <windowsx.h>

#include <memory>

#include "rollup_menu_control.h"
#include "simsun_font.h"
#include "window_object.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriRollupMenu";

RollupMenu* menuOf(HWND window) {
    return windowObjectOf<RollupMenu>(window, registerWindowObjectClass<RollupMenu>(kClassName));
}

POINT pointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

RollupMenu::RollupMenu(std::vector<RollupGroup> groups)
    : groups_(std::move(groups)), font_(createSimSunFont()) {
    if (!groups_.empty()) {
        focus_ = {RollupPart::kHeader, 0};
    }
}

LRESULT RollupMenu::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == skinPaletteMessage()) {
        setPalette(skinPaletteOf(lParam));
        return TRUE;
    }
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_SIZE:
            onSize();
            return 0;
        case WM_LBUTTONDOWN:
            onLeftButtonDown(pointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            onLeftButtonUp(pointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            onMouseMove(pointOf(lParam));
            return 0;
        case WM_MOUSELEAVE:
            onMouseLeave();
            return 0;
        case WM_MOUSEWHEEL:
            onMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_CAPTURECHANGED:
            onCaptureChanged();
            return 0;
        case WM_KEYDOWN:
            onKeyDown(wParam);
            return 0;
        case WM_GETDLGCODE:
            return onGetDlgCode(reinterpret_cast<const MSG*>(lParam));
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            redraw();
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

Text RollupMenu::caption(int entry, int group) const {
    if (group < 0 || group >= groupCount()) {
        return {};
    }
    const std::vector<Text>& entries = groups_[group].entries;
    if (entry < 0 || entry >= static_cast<int>(entries.size())) {
        return {};
    }
    return entries[entry];
}

HWND createRollupMenu(const ChildPlace& place, std::vector<RollupGroup> groups) {
    return createWindowObject(std::make_unique<RollupMenu>(std::move(groups)), kClassName, place,
                              WS_CLIPSIBLINGS);
}

Text rollupMenuCaption(HWND menu, int entry, int group) {
    const RollupMenu* control = menuOf(menu);
    return control ? control->caption(entry, group) : Text{};
}

void reportEntryClicked(HWND menu, int group, int entry) {
    RollupEntryClicked clicked = {};
    clicked.header.hwndFrom = menu;
    clicked.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(menu));
    clicked.header.code = kRollupEntryClicked;
    clicked.group = group;
    clicked.entry = entry;
    SendMessageW(GetParent(menu), WM_NOTIFY, clicked.header.idFrom,
                 reinterpret_cast<LPARAM>(&clicked));
}
