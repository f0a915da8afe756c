#include "browser_control.h"

#include <exdispid.h>
#include <oleauto.h>

#include "browser_site.h"

namespace {

// A BSTR owned for the length of one call.
class OwnedBstr {
  public:
    explicit OwnedBstr(const std::wstring& text)
        : raw_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    OwnedBstr() = default;
    ~OwnedBstr() { SysFreeString(raw_); }
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;

    BSTR get() const { return raw_; }
    BSTR* put() {
        SysFreeString(raw_);
        raw_ = nullptr;
        return &raw_;
    }

  private:
    BSTR raw_ = nullptr;
};

}  // namespace

BrowserControl::BrowserControl(HWND host, std::function<void()> onNavigated)
    : host_(host), site_(new BrowserSite(host, std::move(onNavigated))) {}

std::unique_ptr<BrowserControl> BrowserControl::embed(HWND host,
                                                      std::function<void()> onNavigated) {
    std::unique_ptr<BrowserControl> control(new BrowserControl(host, std::move(onNavigated)));
    if (!control->activate()) {
        return nullptr;
    }
    return control;
}

bool BrowserControl::activate() {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                object_.putVoid())) ||
        FAILED(object_->SetClientSite(site_.get()))) {
        return false;
    }
    ComRef<IPersistStreamInit> persist;
    if (SUCCEEDED(object_->QueryInterface(IID_IPersistStreamInit, persist.putVoid()))) {
        persist->InitNew();
    }
    RECT area = {};
    GetClientRect(host_, &area);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host_, &area)) ||
        FAILED(object_->QueryInterface(IID_IWebBrowser2, browser_.putVoid()))) {
        return false;
    }
    // A page's script errors must never stop the program with a dialog.
    browser_->put_Silent(VARIANT_TRUE);

    ComRef<IConnectionPointContainer> points;
    if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, points.putVoid())) &&
        SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put())) &&
        FAILED(events_->Advise(static_cast<IDispatch*>(site_.get()), &eventsCookie_))) {
        events_.reset();
    }
    return true;
}

// The reverse of activate(), so that neither side keeps the other alive; the
// site's own reference goes last, with the member that holds it.
BrowserControl::~BrowserControl() {
    if (events_) {
        events_->Unadvise(eventsCookie_);
        events_.reset();
    }
    if (browser_) {
        browser_->Stop();
        browser_.reset();
    }
    if (object_) {
        ComRef<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.putVoid()))) {
            inPlace->InPlaceDeactivate();
        }
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.reset();
    }
    site_->detach();
}

void BrowserControl::navigate(const std::wstring& address) {
    OwnedBstr url(address);
    VARIANT none;
    VariantInit(&none);
    browser_->Navigate(url.get(), &none, &none, &none, &none);
}

std::wstring BrowserControl::location() const {
    OwnedBstr url;
    if (FAILED(browser_->get_LocationURL(url.put())) || url.get() == nullptr) {
        return std::wstring();
    }
    return std::wstring(url.get(), SysStringLen(url.get()));
}

void BrowserControl::fit(const RECT& area) {
    ComRef<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.putVoid()))) {
        inPlace->SetObjectRects(&area, &area);
    }
}

void BrowserControl::focus() {
    RECT area = {};
    GetClientRect(host_, &area);
    object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_.get(), 0, host_, &area);
}
