#include "skin_window_kind.h"

namespace {

bool hasClass(const wchar_t* className, const wchar_t* name) {
    return lstrcmpiW(className, name) == 0;
}

}  // namespace

std::optional<SkinnedKind> skinnedKindOf(HWND window, LONG_PTR style) {
    wchar_t className[64] = {};
    if (!GetClassNameW(window, className, 64)) {
        return std::nullopt;
    }
    for (const wchar_t* ignored : {L"#32768", L"tooltips_class32", L"ComboLBox", L"IME",
                                   L"MSCTFIME UI", L"OleMainThreadWndClass"}) {
        if (hasClass(className, ignored)) {
            return std::nullopt;
        }
    }
    if (hasClass(className, L"SysListView32")) {
        return SkinnedKind::listView;
    }
    const LONG_PTR buttonType = style & BS_TYPEMASK;
    if (hasClass(className, L"Button") &&
        (buttonType == BS_PUSHBUTTON || buttonType == BS_DEFPUSHBUTTON)) {
        return SkinnedKind::pushButton;
    }
    return (style & WS_CHILD) ? SkinnedKind::container : SkinnedKind::frame;
}

bool isPopupMenu(HWND window) {
    wchar_t className[16] = {};
    return GetClassNameW(window, className, 16) && hasClass(className, L"#32768");
}
