#include "browser_view.h"

#include <cctype>
#include <memory>
#include <string>
#include <string_view>

#include "browser_control.h"
#include "common/address_encoding.h"
#include "disabled_input_guard.h"
#include "wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"NuvriBrowserView";

bool hasScheme(std::string_view address) {
    // "scheme://…", the scheme being a letter followed by letters, digits,
    // "+", "-" or "."; "127.0.0.1:8080/a" and "host:80/a" have none.
    const size_t end = address.find("://");
    if (end == std::string_view::npos || end == 0 ||
        !std::isalpha(static_cast<unsigned char>(address[0]))) {
        return false;
    }
    for (const char c : address.substr(0, end)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

bool isPseudoAddress(std::string_view address) {
    for (std::string_view scheme : {"about:", "javascript:", "mailto:"}) {
        if (address.size() >= scheme.size()) {
            bool same = true;
            for (size_t i = 0; i < scheme.size(); ++i) {
                same = same && std::tolower(static_cast<unsigned char>(address[i])) == scheme[i];
            }
            if (same) {
                return true;
            }
        }
    }
    return false;
}

Text navigableAddress(const Text& address) {
    if (address.empty()) {
        return "about:blank";
    }
    if (hasScheme(address) || isPseudoAddress(address)) {
        return address;
    }
    return "http://" + address;
}

ATOM viewClass();

class BrowserView {
  public:
    explicit BrowserView(HWND window) : window_(window), guard_(viewClass()) {}
    BrowserView(const BrowserView&) = delete;
    BrowserView& operator=(const BrowserView&) = delete;

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CREATE:
                onCreate();
                return 0;
            case WM_SIZE:
                onSize();
                return 0;
            case WM_SETFOCUS:
                onSetFocus();
                return 0;
            case WM_ENABLE:
                onEnable(wParam != FALSE);
                return 0;
            case WM_DESTROY:
                control_.reset();
                return 0;
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    }

    // The browser is sent the address with its characters outside ASCII
    // percent-encoded as UTF-8, as the system browser sends them itself; the
    // view's text keeps the address as written.
    void navigate(const Text& address) {
        const Text readable = navigableAddress(address);
        sent_ = toWide(percentEncodeNonAscii(readable));
        SetWindowTextW(window_, toWide(readable).c_str());
        if (control_) {
            control_->navigate(sent_);
        }
    }

  private:
    void onCreate() {
        control_ = BrowserControl::embed(window_, [this] { showLocation(); });
    }

    void onSize() {
        if (control_) {
            RECT area = {};
            GetClientRect(window_, &area);
            control_->fit(area);
        }
    }

    void onSetFocus() {
        if (control_) {
            control_->focus();
        }
    }

    // The guard keeps input from the page; only a focus already inside has
    // to be moved, to the next control that takes it or else the window.
    void onEnable(bool enabled) {
        const HWND focus = GetFocus();
        if (enabled || (focus != window_ && !IsChild(window_, focus))) {
            return;
        }
        const HWND root = GetAncestor(window_, GA_ROOT);
        const HWND next = GetNextDlgTabItem(root, window_, FALSE);
        SetFocus(next != nullptr && next != window_ && !IsChild(window_, next) ? next : root);
    }

    // Kept in the form a Text can hold, so that the window text and
    // browserAddress() never disagree. The browser's own "res:" pages stand
    // in for an address that failed to load; the failed address stays. The
    // address sent, arrived at, stays as it was written.
    void showLocation() {
        const std::wstring location = control_ ? control_->location() : std::wstring();
        if (!location.empty() && location.rfind(L"res:", 0) != 0 && location != sent_) {
            SetWindowTextW(window_, toWide(fromWide(location)).c_str());
        }
    }

    HWND window_;
    DisabledInputGuard guard_;
    std::unique_ptr<BrowserControl> control_;
    std::wstring sent_;  // the address last handed to the browser
};

LRESULT CALLBACK viewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new BrowserView(window)));
    }
    auto* view = reinterpret_cast<BrowserView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete view;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return view->handle(message, wParam, lParam);
}

ATOM viewClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = viewProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    return atom;
}

BrowserView* viewOf(HWND window) {
    if (window == nullptr || static_cast<ATOM>(GetClassLongW(window, GCW_ATOM)) != viewClass()) {
        return nullptr;
    }
    return reinterpret_cast<BrowserView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

HWND createBrowserView(HWND parent, int controlId, int left, int top, int width, int height,
                       bool enabled, bool tabStop) {
    viewClass();
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    style |= enabled ? 0 : WS_DISABLED;
    style |= tabStop ? WS_TABSTOP : 0;
    return CreateWindowExW(0, kClassName, L"", style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           GetModuleHandleW(nullptr), nullptr);
}

void setBrowserAddress(HWND view, const Text& address) {
    if (BrowserView* target = viewOf(view)) {
        target->navigate(address);
    }
}

Text browserAddress(HWND view) {
    if (viewOf(view) == nullptr) {
        return Text();
    }
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(view)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(view, text.data(), static_cast<int>(text.size()))));
    return fromWide(text);
}
