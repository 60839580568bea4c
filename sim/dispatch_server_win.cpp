#include "sim/dispatch_server_win.h"

#include <exception>
#include <memory>
#include <new>
#include <utility>

#include "base/error.h"
#include "base/text.h"
#include "cad/dispatch_win.h"

namespace kelvo {
namespace {

// Asked only of objects in this apartment; a proxy has no stub for it and
// answers no, so a remote object is never taken for one of ours.
constexpr IID kServerIdentity = {
    0x6b1f2f4e, 0x3c1d, 0x4a8e, {0x9d, 0x52, 0x0e, 0x7a, 0x41, 0xc3, 0x58, 0x19}};

class ServerBridge final : public ObjectBridge {
 public:
  ComPtr<IDispatch> Export(const ObjectRef& object) const override {
    if (const auto* remote = dynamic_cast<const DispatchObject*>(object.get())) {
      return ComPtr<IDispatch>(remote->dispatch());
    }
    return DispatchServer::Create(object);
  }
  ObjectRef Import(IDispatch* dispatch) const override {
    if (ObjectRef served = DispatchServer::Unwrap(dispatch)) return served;
    return std::make_shared<DispatchObject>(ComPtr<IDispatch>(dispatch), *this);
  }
};

std::u16string LowerAscii(std::u16string_view name) {
  std::u16string lower(name);
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lower;
}

void ReportException(EXCEPINFO* exception, std::u16string_view description) {
  if (exception == nullptr) return;
  *exception = EXCEPINFO{};
  // Out of memory here leaves a null description; the caller then shows the
  // system's text for the scode.
  exception->bstrDescription = SysAllocStringLen(
      reinterpret_cast<const wchar_t*>(description.data()), static_cast<UINT>(description.size()));
  exception->scode = E_FAIL;
}

// The answer to the caller for the exception being handled: no C++ exception
// may leave through a COM frame. An object's errors become DISP_E_EXCEPTION
// with their text when the caller takes an exception record.
HRESULT ReportCurrentException(EXCEPINFO* exception) noexcept {
  try {
    throw;
  } catch (const Error& e) {
    ReportException(exception, e.text());
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    try {
      ReportException(exception, FromUtf8(e.what()));
    } catch (...) {
      return E_OUTOFMEMORY;  // the text itself did not fit
    }
  } catch (...) {
    return E_UNEXPECTED;
  }
  return DISP_E_EXCEPTION;
}

}  // namespace

DispatchServer::DispatchServer(ObjectRef object) : object_(std::move(object)) {}

ComPtr<IDispatch> DispatchServer::Create(ObjectRef object) {
  // The count starts at one: this reference.
  return Adopt<IDispatch>(new DispatchServer(std::move(object)));
}

ObjectRef DispatchServer::Unwrap(IDispatch* dispatch) {
  if (dispatch == nullptr) return nullptr;
  ComPtr<IDispatch> self;
  if (FAILED(dispatch->QueryInterface(kServerIdentity,
                                      reinterpret_cast<void**>(self.GetAddressOf())))) {
    return nullptr;
  }
  return static_cast<DispatchServer*>(self.Get())->object_;
}

const ObjectBridge& DispatchServer::Bridge() {
  static const ServerBridge bridge;
  return bridge;
}

HRESULT DispatchServer::QueryInterface(REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kServerIdentity) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DispatchServer::AddRef() noexcept {
  return ++refs_;
}

ULONG DispatchServer::Release() noexcept {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT DispatchServer::GetTypeInfoCount(UINT* count) noexcept {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT DispatchServer::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

DISPID DispatchServer::IdOf(const wchar_t* name) {
  std::u16string spelled(reinterpret_cast<const char16_t*>(name));
  auto [it, added] = ids_.try_emplace(LowerAscii(spelled), static_cast<DISPID>(names_.size() + 1));
  if (added) names_.push_back(std::move(spelled));
  return it->second;
}

HRESULT DispatchServer::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                      DISPID* ids) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (count == 0) return S_OK;
  if (names == nullptr || ids == nullptr || names[0] == nullptr) return E_INVALIDARG;
  try {
    ids[0] = IdOf(names[0]);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
  // Named arguments are not taken.
  for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT DispatchServer::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT*) noexcept {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (id < 1 || static_cast<std::size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
  if (params == nullptr || (params->cArgs != 0 && params->rgvarg == nullptr)) return E_INVALIDARG;
  try {
    return Serve(id, flags, *params, result);
  } catch (...) {
    return ReportCurrentException(exception);
  }
}

HRESULT DispatchServer::Serve(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) {
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  const bool namedPut = params.cNamedArgs == 1 && params.rgdispidNamedArgs != nullptr &&
                        params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
  if (params.cNamedArgs != 0 && !(put && namedPut)) return DISP_E_NONAMEDARGS;
  if (put && params.cArgs == 0) return DISP_E_BADPARAMCOUNT;
  if (!put && (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0) return E_INVALIDARG;
  const CallKind kind = put ? CallKind::Put
                        : (flags & DISPATCH_PROPERTYGET) != 0 && params.cArgs == 0
                            ? CallKind::MethodOrGet
                            : CallKind::Method;

  // COM passes the arguments last first; the object sees them in call order,
  // by-reference ones marked as such.
  const std::size_t count = params.cArgs;
  auto slot = [&](std::size_t i) -> const VARIANT& { return params.rgvarg[count - 1 - i]; };
  std::vector<Arg> args(count);
  for (std::size_t i = 0; i < count; ++i) {
    args[i].byRef = (slot(i).vt & VT_BYREF) != 0;
    args[i].value = FromVariant(slot(i), Bridge());
  }
  std::vector<Variant> passed;
  passed.reserve(count);
  for (const Arg& arg : args) passed.push_back(arg.byRef ? arg.value : Variant());

  // The name is copied: the object may call back into this server meanwhile.
  const std::u16string member = names_[static_cast<std::size_t>(id) - 1];
  Variant answer = object_->Invoke(member, kind, args);

  for (std::size_t i = 0; i < count; ++i) {
    if (args[i].byRef && !(args[i].value == passed[i]))
      StoreByRef(slot(i), args[i].value, Bridge());
  }
  if (result != nullptr && !put) *result = ToVariant(answer, Bridge()).release();
  return S_OK;
}

}  // namespace kelvo
