#pragma once
// Ownership of one GDI object (font, brush, pen, bitmap): deleted with its owner.

#include <windows.h>

template <class Handle>
class GdiObject {
  public:
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() {
        if (handle_) {
            DeleteObject(handle_);
        }
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }

  private:
    Handle handle_;
};
