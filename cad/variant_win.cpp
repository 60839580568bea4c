#include "cad/variant_win.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

#include "base/system_error_win.h"
#include "cad/dispatch_win.h"

namespace kelvo {
namespace {

[[noreturn]] void Mismatch() {
  ThrowSystemError(DISP_E_TYPEMISMATCH);
}

class DispatchClientBridge final : public ObjectBridge {
 public:
  ComPtr<IDispatch> Export(const ObjectRef& object) const override {
    if (const auto* remote = dynamic_cast<const DispatchObject*>(object.get())) {
      return ComPtr<IDispatch>(remote->dispatch());
    }
    Mismatch();
  }
  ObjectRef Import(IDispatch* dispatch) const override {
    return std::make_shared<DispatchObject>(ComPtr<IDispatch>(dispatch), *this);
  }
};

// Size of one element of the element types read; 0 for those not read.
std::size_t ElementSize(VARTYPE type) {
  switch (type) {
    case VT_I1:
    case VT_UI1:
      return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
      return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
      return 4;
    case VT_I8:
    case VT_UI8:
    case VT_R8:
      return 8;
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return sizeof(void*);
    case VT_VARIANT:
      return sizeof(VARIANT);
    default:
      return 0;
  }
}

UniqueSafeArray MakeVector(VARTYPE type, std::size_t count) {
  if (count > std::numeric_limits<ULONG>::max()) ThrowSystemError(E_OUTOFMEMORY);
  UniqueSafeArray array(SafeArrayCreateVector(type, 0, static_cast<ULONG>(count)));
  if (!array) ThrowSystemError(E_OUTOFMEMORY);
  return array;
}

template <typename T>
UniqueSafeArray MakeVectorOf(VARTYPE type, const std::vector<T>& values) {
  UniqueSafeArray array = MakeVector(type, values.size());
  if (!values.empty()) {
    SafeArrayData data(array.get());
    std::memcpy(data.As<T>(), values.data(), values.size() * sizeof(T));
  }
  return array;
}

bool IsReal(const VARIANT& v) {
  return v.vt == VT_R8 || v.vt == VT_R4;
}

Variant FromArray(SAFEARRAY* array, VARTYPE type, const ObjectBridge& bridge) {
  const std::size_t size = ElementSize(type);
  if (size == 0) Mismatch();
  if (array == nullptr) {
    if (type == VT_R8) return DoubleArray{};
    if (type == VT_I2) return Int16Array{};
    return VariantArray{};
  }
  // The declared type must agree with the array's layout before its memory is read.
  if (SafeArrayGetDim(array) != 1 || SafeArrayGetElemsize(array) != size) Mismatch();
  LONG lower = 0;
  LONG upper = 0;
  ThrowIfFailed(SafeArrayGetLBound(array, 1, &lower));
  ThrowIfFailed(SafeArrayGetUBound(array, 1, &upper));
  const std::int64_t span = std::int64_t{upper} - lower + 1;
  const std::size_t count = span > 0 ? static_cast<std::size_t>(span) : 0;
  if (count == 0) return FromArray(nullptr, type, bridge);

  SafeArrayData data(array);
  if (type == VT_R8) {
    const double* p = data.As<double>();
    return DoubleArray(p, p + count);
  }
  if (type == VT_I2) {
    const std::int16_t* p = data.As<std::int16_t>();
    return Int16Array(p, p + count);
  }
  if (type == VT_VARIANT) {
    const VARIANT* p = data.As<VARIANT>();
    bool allReal = true;
    for (std::size_t i = 0; i < count && allReal; ++i) allReal = IsReal(p[i]);
    if (allReal) {
      DoubleArray reals(count);
      for (std::size_t i = 0; i < count; ++i) {
        reals[i] = p[i].vt == VT_R8 ? p[i].dblVal : p[i].fltVal;
      }
      return reals;
    }
    VariantArray items;
    items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) items.push_back(FromVariant(p[i], bridge));
    return items;
  }
  // Other element types are read as a VARIANT borrowing each element.
  const auto* bytes = data.As<const unsigned char>();
  VariantArray items;
  items.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    VARIANT element;
    VariantInit(&element);
    std::memcpy(&element.llVal, bytes + i * size, size);
    element.vt = type;
    items.push_back(FromVariant(element, bridge));
  }
  return items;
}

}  // namespace

const ObjectBridge& ClientBridge() {
  static const DispatchClientBridge bridge;
  return bridge;
}

UniqueVariant ToVariant(const Variant& value, const ObjectBridge& bridge) {
  UniqueVariant out;
  VARIANT& v = *out.addressof();
  // Each case fills the data before the type, so a failure leaves VT_EMPTY.
  switch (value.type()) {
    case Variant::Type::Empty:
      break;
    case Variant::Type::Int16:
      v.iVal = *value.Get<std::int16_t>();
      v.vt = VT_I2;
      break;
    case Variant::Type::Int32:
      v.lVal = *value.Get<std::int32_t>();
      v.vt = VT_I4;
      break;
    case Variant::Type::Int64:
      v.llVal = *value.Get<std::int64_t>();
      v.vt = VT_I8;
      break;
    case Variant::Type::Double:
      v.dblVal = *value.Get<double>();
      v.vt = VT_R8;
      break;
    case Variant::Type::Bool:
      v.boolVal = *value.Get<bool>() ? VARIANT_TRUE : VARIANT_FALSE;
      v.vt = VT_BOOL;
      break;
    case Variant::Type::String:
      v.bstrVal = MakeBstr(*value.Get<std::u16string>()).release();
      v.vt = VT_BSTR;
      break;
    case Variant::Type::DoubleArray:
      v.parray = MakeVectorOf(VT_R8, *value.Get<DoubleArray>()).release();
      v.vt = VT_ARRAY | VT_R8;
      break;
    case Variant::Type::Int16Array:
      v.parray = MakeVectorOf(VT_I2, *value.Get<Int16Array>()).release();
      v.vt = VT_ARRAY | VT_I2;
      break;
    case Variant::Type::VariantArray: {
      const VariantArray& items = *value.Get<VariantArray>();
      UniqueSafeArray array = MakeVector(VT_VARIANT, items.size());
      if (!items.empty()) {
        SafeArrayData data(array.get());
        VARIANT* slots = data.As<VARIANT>();
        for (std::size_t i = 0; i < items.size(); ++i)
          slots[i] = ToVariant(items[i], bridge).release();
      }
      v.parray = array.release();
      v.vt = VT_ARRAY | VT_VARIANT;
      break;
    }
    case Variant::Type::Object: {
      const ObjectRef& object = *value.Get<ObjectRef>();
      v.pdispVal = object ? bridge.Export(object).Detach() : nullptr;
      v.vt = VT_DISPATCH;
      break;
    }
  }
  return out;
}

Variant FromVariant(const VARIANT& value, const ObjectBridge& bridge) {
  if ((value.vt & VT_BYREF) != 0) {
    UniqueVariant direct;
    ThrowIfFailed(VariantCopyInd(direct.addressof(), const_cast<VARIANT*>(&value)));
    if ((direct.get().vt & VT_BYREF) != 0) Mismatch();
    return FromVariant(direct.get(), bridge);
  }
  if ((value.vt & VT_ARRAY) != 0) {
    if ((value.vt & ~(VT_ARRAY | VT_TYPEMASK)) != 0) Mismatch();
    return FromArray(value.parray, value.vt & VT_TYPEMASK, bridge);
  }
  switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return {};
    case VT_I1:
      return static_cast<std::int16_t>(static_cast<signed char>(value.cVal));
    case VT_UI1:
      return static_cast<std::int16_t>(value.bVal);
    case VT_I2:
      return static_cast<std::int16_t>(value.iVal);
    case VT_UI2:
      return static_cast<std::int32_t>(value.uiVal);
    case VT_I4:
      return static_cast<std::int32_t>(value.lVal);
    case VT_INT:
      return static_cast<std::int32_t>(value.intVal);
    case VT_UI4:
      return static_cast<std::int64_t>(value.ulVal);
    case VT_UINT:
      return static_cast<std::int64_t>(value.uintVal);
    case VT_I8:
      return static_cast<std::int64_t>(value.llVal);
    case VT_UI8:
      if (value.ullVal > static_cast<ULONGLONG>(std::numeric_limits<std::int64_t>::max())) {
        Mismatch();
      }
      return static_cast<std::int64_t>(value.ullVal);
    case VT_R4:
      return static_cast<double>(value.fltVal);
    case VT_R8:
      return value.dblVal;
    case VT_BOOL:
      return value.boolVal != VARIANT_FALSE;
    case VT_BSTR:
      return BstrText(value.bstrVal);
    case VT_DISPATCH:
      if (value.pdispVal == nullptr) return ObjectRef();
      return bridge.Import(value.pdispVal);
    case VT_UNKNOWN: {
      if (value.punkVal == nullptr) return ObjectRef();
      ComPtr<IDispatch> dispatch;
      ThrowIfFailed(value.punkVal->QueryInterface(IID_PPV_ARGS(&dispatch)));
      return bridge.Import(dispatch.Get());
    }
    default:
      Mismatch();
  }
}

void StoreByRef(const VARIANT& reference, const Variant& value, const ObjectBridge& bridge) {
  if ((reference.vt & VT_BYREF) == 0 || reference.byref == nullptr) Mismatch();
  const VARTYPE target = reference.vt & ~VT_BYREF;
  UniqueVariant fresh = ToVariant(value, bridge);
  if (target == VT_VARIANT) {
    VariantClear(reference.pvarVal);
    *reference.pvarVal = fresh.release();
    return;
  }
  const std::size_t size = (target & VT_ARRAY) != 0 ? sizeof(SAFEARRAY*) : ElementSize(target);
  if (size == 0) Mismatch();
  if (fresh.get().vt != target) {
    ThrowIfFailed(VariantChangeType(fresh.addressof(), fresh.addressof(), 0, target));
  }
  // Nothing below can fail: free the old referent, then move the new value in.
  VARIANT old;
  VariantInit(&old);
  std::memcpy(&old.llVal, reference.byref, size);
  old.vt = target;
  VariantClear(&old);
  VARIANT stored = fresh.release();
  std::memcpy(reference.byref, &stored.llVal, size);
}

}  // namespace kelvo
