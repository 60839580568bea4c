#include "cad/dispatch_win.h"

#include <string>
#include <utility>
#include <vector>

#include "base/error.h"
#include "base/system_error_win.h"

namespace kelvo {
namespace {

// The argument array of one call, cleared (and so freed) on every path. A
// by-reference slot only points at its referent and frees nothing.
class ArgumentSlots {
 public:
  explicit ArgumentSlots(std::size_t count) : slots_(count) {
    for (VARIANT& slot : slots_) VariantInit(&slot);
  }
  ArgumentSlots(const ArgumentSlots&) = delete;
  ArgumentSlots& operator=(const ArgumentSlots&) = delete;
  ~ArgumentSlots() {
    for (VARIANT& slot : slots_) VariantClear(&slot);
  }
  VARIANT& operator[](std::size_t i) { return slots_[i]; }
  VARIANT* data() { return slots_.empty() ? nullptr : slots_.data(); }

 private:
  std::vector<VARIANT> slots_;
};

// Points `slot` at `referent` the way the object model expects a by-reference
// argument: VT_BYREF to the referent's own type (VT_BYREF|VT_I8 for an id,
// VT_BYREF|VT_ARRAY|VT_R8 for a point), or to the VARIANT when it is empty.
void ReferTo(VARIANT& slot, VARIANT& referent) {
  if (referent.vt == VT_EMPTY) {
    slot.pvarVal = &referent;
    slot.vt = VT_BYREF | VT_VARIANT;
  } else {
    // Every member of the VARIANT's value union starts at the same address.
    slot.byref = &referent.llVal;
    slot.vt = VT_BYREF | referent.vt;
  }
}

[[noreturn]] void ThrowInvokeError(HRESULT hr, UniqueExcepInfo& info) {
  if (hr == DISP_E_EXCEPTION) {
    EXCEPINFO& e = *info.addressof();
    if (e.pfnDeferredFillIn != nullptr) e.pfnDeferredFillIn(&e);
    if (SysStringLen(e.bstrDescription) != 0) throw Error(BstrText(e.bstrDescription));
    ThrowSystemError(e.scode != 0 ? e.scode : hr);
  }
  ThrowSystemError(hr);
}

}  // namespace

DispatchObject::DispatchObject(ComPtr<IDispatch> dispatch, const ObjectBridge& bridge)
    : dispatch_(std::move(dispatch)), bridge_(&bridge) {}

Variant DispatchObject::Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) {
  // A NUL would cut the name short and reach some other member.
  if (member.find(u'\0') != std::u16string_view::npos) ThrowSystemError(DISP_E_UNKNOWNNAME);
  if (kind == CallKind::Put && args.empty()) ThrowSystemError(DISP_E_BADPARAMCOUNT);
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  std::wstring name(member.begin(), member.end());
  LPOLESTR names[] = {name.data()};
  const LCID locale = GetThreadLocale();
  DISPID id = DISPID_UNKNOWN;
  ThrowIfFailed(dispatch_->GetIDsOfNames(IID_NULL, names, 1, locale, &id));

  // COM takes the arguments last first.
  const std::size_t count = args.size();
  std::vector<UniqueVariant> referents(count);
  ArgumentSlots slots(count);
  for (std::size_t i = 0; i < count; ++i) {
    VARIANT& slot = slots[count - 1 - i];
    if (args[i].byRef) {
      referents[i] = ToVariant(args[i].value, *bridge_);
      ReferTo(slot, *referents[i].addressof());
    } else {
      slot = ToVariant(args[i].value, *bridge_).release();
    }
  }

  DISPPARAMS params{};
  params.rgvarg = slots.data();
  params.cArgs = static_cast<UINT>(count);
  DISPID putId = DISPID_PROPERTYPUT;
  WORD flags = DISPATCH_METHOD;
  switch (kind) {
    case CallKind::MethodOrGet:
      flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
      break;
    case CallKind::Method:
      flags = DISPATCH_METHOD;
      break;
    case CallKind::Put:
      flags = DISPATCH_PROPERTYPUT;
      params.rgdispidNamedArgs = &putId;
      params.cNamedArgs = 1;
      break;
  }

  UniqueVariant result;
  UniqueExcepInfo info;
  UINT argError = 0;
  const HRESULT hr = dispatch_->Invoke(id, IID_NULL, locale, flags, &params,
                                       kind == CallKind::Put ? nullptr : result.addressof(),
                                       info.addressof(), &argError);
  if (FAILED(hr)) ThrowInvokeError(hr, info);

  for (std::size_t i = 0; i < count; ++i) {
    if (args[i].byRef) args[i].value = FromVariant(referents[i].get(), *bridge_);
  }
  return FromVariant(result.get(), *bridge_);
}

}  // namespace kelvo
