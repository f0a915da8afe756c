#pragma once
// The owner of one COM interface reference: released when the owner goes.

#include <unknwn.h>

template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    // Takes over one reference of `raw`.
    explicit ComRef(Interface* raw) : raw_(raw) {}
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* get() const { return raw_; }
    Interface* operator->() const { return raw_; }
    explicit operator bool() const { return raw_ != nullptr; }

    // Where a COM call writes a new reference; the old one is released first.
    Interface** put() {
        reset();
        return &raw_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    void reset() {
        if (raw_ != nullptr) {
            Interface* old = raw_;
            raw_ = nullptr;
            old->Release();
        }
    }

  private:
    Interface* raw_ = nullptr;
};
