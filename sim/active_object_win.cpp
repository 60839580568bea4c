#include "sim/active_object_win.h"

#include <oleauto.h>

#include <string>

#include "base/handles_win.h"
#include "base/system_error_win.h"

namespace kelvo {

void RegisterProgId(std::u16string_view progId, const CLSID& clsid) {
  // A ProgID is one key name: no path separators, no NULs.
  if (progId.empty() || progId.find_first_of(std::u16string_view(u"\\\0", 2)) != progId.npos) {
    ThrowSystemError(E_INVALIDARG);
  }
  std::wstring path(progId.begin(), progId.end());
  path += L"\\CLSID";
  wchar_t text[40];
  const int length = StringFromGUID2(clsid, text, 40);
  if (length == 0) ThrowSystemError(E_INVALIDARG);

  // The registry answers with a Win32 error code, not through the last error.
  UniqueHkey key;
  ThrowIfFailed(HRESULT_FROM_WIN32(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0,
                                                   KEY_SET_VALUE, nullptr, key.put(), nullptr)));
  ThrowIfFailed(HRESULT_FROM_WIN32(RegSetValueExW(key.get(), nullptr, 0, REG_SZ,
                                                  reinterpret_cast<const BYTE*>(text),
                                                  static_cast<DWORD>(length * sizeof(wchar_t)))));
}

ActiveObject::ActiveObject(std::u16string_view progId, const CLSID& clsid, IUnknown* object) {
  RegisterProgId(progId, clsid);
  ThrowIfFailed(RegisterActiveObject(object, clsid, ACTIVEOBJECT_STRONG, &cookie_));
}

}  // namespace kelvo
