#include "sim/active_object_win.h"

#include <oleauto.h>

#include <string>

#include "base/system_error_win.h"

namespace kelvo {
namespace {

class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  ~UniqueRegKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }
  HKEY* put() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

void Check(LSTATUS status) {
  if (status != ERROR_SUCCESS) ThrowSystemError(HRESULT_FROM_WIN32(status));
}

}  // namespace

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

  UniqueRegKey key;
  Check(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.put(), nullptr));
  Check(RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(length * sizeof(wchar_t))));
}

ActiveObject::ActiveObject(std::u16string_view progId, const CLSID& clsid, IUnknown* object) {
  RegisterProgId(progId, clsid);
  HRESULT hr = RegisterActiveObject(object, clsid, ACTIVEOBJECT_STRONG, &cookie_);
  if (FAILED(hr)) ThrowSystemError(hr);
}

}  // namespace kelvo
