#pragma once
// An automation object reached through IDispatch by member name only.

#include "base/com_handles_win.h"
#include "cad/automation.h"
#include "cad/variant_win.h"

namespace kelvo {

class DispatchObject final : public AutoObject {
 public:
  // Objects in arguments and results cross through `bridge`, which must
  // outlive this object (the bridges are static).
  explicit DispatchObject(ComPtr<IDispatch> dispatch, const ObjectBridge& bridge = ClientBridge());

  // Resolves `member` with GetIDsOfNames on every call (late binding; the
  // server decides about case), then invokes it. A by-reference argument goes
  // as VT_BYREF to a value of its own type and comes back possibly changed.
  // Failures raise Error with the server's description, else the system's
  // text for the status.
  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override;

  IDispatch* dispatch() const noexcept { return dispatch_.Get(); }

 private:
  ComPtr<IDispatch> dispatch_;
  const ObjectBridge* bridge_;
};

}  // namespace kelvo
