#pragma once
// The system web-browser control embedded in place in one host window, with
// its whole COM life: embedded on creation, torn down on destruction.

#include <windows.h>

#include <exdisp.h>
#include <ole2.h>

#include <functional>
#include <memory>
#include <string>

#include "com_ref.h"

class BrowserSite;

class BrowserControl {
  public:
    // Embeds a browser that fills `host`; nullptr when the system has none.
    // `onNavigated` runs whenever the browser arrives at a new address.
    static std::unique_ptr<BrowserControl> embed(HWND host, std::function<void()> onNavigated);
    ~BrowserControl();
    BrowserControl(const BrowserControl&) = delete;
    BrowserControl& operator=(const BrowserControl&) = delete;

    void navigate(const std::wstring& address);
    // The address of the top-level page; empty when the browser knows none.
    std::wstring location() const;
    void fit(const RECT& area);
    // Gives the keyboard focus to the page.
    void focus();

  private:
    BrowserControl(HWND host, std::function<void()> onNavigated);
    bool activate();

    HWND host_;
    ComRef<BrowserSite> site_;
    ComRef<IOleObject> object_;
    ComRef<IWebBrowser2> browser_;
    ComRef<IConnectionPoint> events_;
    DWORD eventsCookie_ = 0;
};
