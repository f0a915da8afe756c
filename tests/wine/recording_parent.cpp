#include "recording_parent.h"

#include "win32/gdi_object.h"
#include "win32/message_pump.h"
#include "win32/rollup_menu.h"

namespace {

constexpr wchar_t kClassName[] = L"RecordingParent";

}  // namespace

RecordingParent::RecordingParent(int width, int height, COLORREF background)
    : background_(background) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                              nullptr, nullptr, windowClass.hInstance, this);
}

RecordingParent::~RecordingParent() {
    DestroyWindow(window_);
    processPendingEvents();
}

void RecordingParent::paintNow() const {
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    processPendingEvents();
}

LRESULT CALLBACK RecordingParent::procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_ERASEBKGND: {
            RECT rect;
            GetClientRect(window, &rect);
            GdiObject<HBRUSH> brush(CreateSolidBrush(self->background_));
            FillRect(reinterpret_cast<HDC>(wParam), &rect, brush.get());
            return TRUE;
        }
        case WM_COMMAND:
            self->notices_.push_back(
                {WM_COMMAND, reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam)});
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            RecordedNotice notice = {WM_NOTIFY, header->hwndFrom, static_cast<int>(header->idFrom),
                                     header->code};
            if (header->code == kRollupEntryClicked) {
                const auto* clicked = reinterpret_cast<const RollupEntryClicked*>(lParam);
                notice.group = clicked->group;
                notice.entry = clicked->entry;
            }
            self->notices_.push_back(notice);
            return 0;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
