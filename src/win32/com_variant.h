#pragma once
// Conversion between the program's automation values and COM VARIANTs.

#include <oaidl.h>

#include "common/variant.h"

// An owned VARIANT, cleared when it goes.
class ComVariant {
  public:
    ComVariant() { VariantInit(&raw_); }
    explicit ComVariant(const Variant& value);
    ~ComVariant() { VariantClear(&raw_); }
    ComVariant(const ComVariant&) = delete;
    ComVariant& operator=(const ComVariant&) = delete;

    VARIANT* get() { return &raw_; }
    Variant toVariant() const;

  private:
    VARIANT raw_;
};
