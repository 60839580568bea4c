#pragma once
// The running object table as the CAD commands see it: a ProgID resolved to a
// CLSID, then the object registered for that CLSID.

#include "cad/cad_platform.h"

namespace kelvo {

class ComRunningObjects final : public RunningObjects {
 public:
  // A ProgID that does not resolve (unknown, empty) raises Error with the
  // system's text; a resolved one is running when GetActiveObject succeeds.
  bool IsRunning(std::u16string_view progId) override;
  // The running object's IDispatch as a DispatchObject; each failing step
  // raises Error with the system's text for its status.
  ObjectRef Attach(std::u16string_view progId) override;
};

}  // namespace kelvo
