#pragma once
// Serves any automation object through IDispatch, so that the simulated CAD
// answers late-bound calls exactly as a real automation server does.

#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/com_handles_win.h"
#include "cad/automation.h"
#include "cad/variant_win.h"

namespace kelvo {

class DispatchServer final : public IDispatch {
 public:
  // A new server for `object`, with one reference (the returned pointer's).
  static ComPtr<IDispatch> Create(ObjectRef object);
  // The object behind `dispatch` when it is a DispatchServer of this
  // apartment; null for any other IDispatch (a proxy, a foreign object).
  static ObjectRef Unwrap(IDispatch* dispatch);
  // Objects leave as DispatchServers (a DispatchObject as its own IDispatch)
  // and arrive unwrapped when they are served here.
  static const ObjectBridge& Bridge();

  // IUnknown. No method lets an exception out: COM's frames cannot unwind.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // IDispatch. Every name gets a DISPID (the same for every spelling of a
  // name); whether the member exists is the object's answer at Invoke, where
  // its errors become DISP_E_EXCEPTION with their text as the description.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale,
                                        ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) noexcept override;

 private:
  explicit DispatchServer(ObjectRef object);
  ~DispatchServer() = default;
  DISPID IdOf(const wchar_t* name);
  HRESULT Serve(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result);

  std::atomic<ULONG> refs_{1};
  ObjectRef object_;
  std::vector<std::u16string> names_;               // DISPID n is names_[n - 1], as first spelled
  std::unordered_map<std::u16string, DISPID> ids_;  // by lower-case name
};

}  // namespace kelvo
