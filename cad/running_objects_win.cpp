#include "cad/running_objects_win.h"

#include <memory>
#include <string>

#include "base/com_handles_win.h"
#include "base/system_error_win.h"
#include "cad/dispatch_win.h"

namespace kelvo {
namespace {

CLSID ResolveProgId(std::u16string_view progId) {
  // Windows answers CO_E_CLASSSTRING for a ProgID it does not know; an empty
  // one (which would name the root of HKEY_CLASSES_ROOT) or one cut short by
  // a NUL gets the same answer without asking.
  if (progId.empty() || progId.find(u'\0') != std::u16string_view::npos) {
    ThrowSystemError(CO_E_CLASSSTRING);
  }
  std::wstring name(progId.begin(), progId.end());
  CLSID clsid{};
  ThrowIfFailed(CLSIDFromProgID(name.c_str(), &clsid));
  return clsid;
}

}  // namespace

bool ComRunningObjects::IsRunning(std::u16string_view progId) {
  const CLSID clsid = ResolveProgId(progId);
  ComPtr<IUnknown> object;
  return SUCCEEDED(GetActiveObject(clsid, nullptr, object.GetAddressOf()));
}

ObjectRef ComRunningObjects::Attach(std::u16string_view progId) {
  const CLSID clsid = ResolveProgId(progId);
  ComPtr<IUnknown> object;
  ThrowIfFailed(GetActiveObject(clsid, nullptr, object.GetAddressOf()));
  ComPtr<IDispatch> dispatch;
  ThrowIfFailed(object.As(&dispatch));
  return std::make_shared<DispatchObject>(std::move(dispatch));
}

}  // namespace kelvo
