#include "browser_view.h"

#include <cctype>
#include <memory>
#include <string>
#include <string_view>

#include "browser_control.h"
#include "common/address_encoding.h"
#include "disabled_input_guard.h"
#include "wide_text.h"
#include "window_object.h"
#include "window_text.h"

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

std::wstring navigableAddress(const std::wstring& address) {
    if (address.empty()) {
        return L"about:blank";
    }
    // The scheme's characters are ASCII, which GBK keeps.
    const Text gbk = fromWide(address);
    if (hasScheme(gbk) || isPseudoAddress(gbk)) {
        return address;
    }
    return L"http://" + address;
}

ATOM viewClass();

class BrowserView final : public WindowObject {
  public:
    BrowserView() : guard_(viewClass()) {}

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
    void navigate(const std::wstring& address) {
        const std::wstring readable = navigableAddress(address);
        sent_ = toWide(percentEncodeUtf8NonAscii(toUtf8(readable)));
        SetWindowTextW(window_, readable.c_str());
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

    DisabledInputGuard guard_;
    std::unique_ptr<BrowserControl> control_;
    std::wstring sent_;  // the address last handed to the browser
};

ATOM viewClass() {
    return registerWindowObjectClass<BrowserView>(kClassName,
                                                  reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
}

BrowserView* viewOf(HWND window) {
    return windowObjectOf<BrowserView>(window, viewClass());
}

}  // namespace

HWND createBrowserView(const ChildPlace& place) {
    // Registered here with its background, before the generic registration.
    viewClass();
    return createWindowObject(std::make_unique<BrowserView>(), kClassName, place,
                              WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}

void setBrowserAddress(HWND view, const Text& address) {
    setBrowserAddressWide(view, toWide(address));
}

void setBrowserAddressWide(HWND view, const std::wstring& address) {
    if (BrowserView* target = viewOf(view)) {
        target->navigate(address);
    }
}

Text browserAddress(HWND view) {
    return viewOf(view) != nullptr ? windowTitle(view) : Text();
}
