#pragma once
// An automation object of the platform, reached through its IDispatch.

#include <oaidl.h>

#include "com_ref.h"
#include "common/automation.h"

class DispatchObject : public AutomationObject {
  public:
    // Takes over one reference of `dispatch`.
    explicit DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    std::optional<Variant> invoke(std::string_view member, InvokeKind kind,
                                  std::span<const Variant> args) override;

    IDispatch* dispatch() const { return dispatch_.get(); }

  private:
    ComRef<IDispatch> dispatch_;
};
