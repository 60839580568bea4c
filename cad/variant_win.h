#pragma once
// kelvo::Variant <-> VARIANT, one type for one type. Reading is lenient with
// what servers send (references, other integer widths, VT_R4, VT_NULL, arrays
// with any lower bound); anything else raises the system's type-mismatch text.

#include "base/com_handles_win.h"
#include "cad/variant.h"

namespace kelvo {

// How automation objects cross the COM boundary. A client hands out only the
// IDispatch of objects it got from COM; a server also wraps its own objects.
class ObjectBridge {
 public:
  // The IDispatch for an object leaving (never null); raises when it cannot.
  virtual ComPtr<IDispatch> Export(const ObjectRef& object) const = 0;
  // The object for a non-null IDispatch arriving.
  virtual ObjectRef Import(IDispatch* dispatch) const = 0;

 protected:
  ~ObjectBridge() = default;
};

// Arriving objects become DispatchObjects; only DispatchObjects can leave.
const ObjectBridge& ClientBridge();

// A DoubleArray becomes a 1-D VT_R8 array with bounds 0 to n-1; a null object
// a null VT_DISPATCH.
UniqueVariant ToVariant(const Variant& value, const ObjectBridge& bridge = ClientBridge());

// A VT_ARRAY|VT_VARIANT whose elements are all VT_R8 (or VT_R4) reads as a
// DoubleArray, the way some servers send points. A null VT_DISPATCH reads as
// a null object.
Variant FromVariant(const VARIANT& value, const ObjectBridge& bridge = ClientBridge());

// Writes `value` through a VT_BYREF `reference`, converted to the type it
// refers to (a VT_BYREF|VT_VARIANT takes any type); the old referent is freed.
// Raises on a value that does not convert, leaving the referent as it was.
void StoreByRef(const VARIANT& reference, const Variant& value,
                const ObjectBridge& bridge = ClientBridge());

}  // namespace kelvo
