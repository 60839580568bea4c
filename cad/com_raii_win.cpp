#include "cad/com_raii_win.h"

#include <limits>

#include "base/system_error_win.h"

namespace kelvo {

UniqueBstr UniqueBstr::From(std::u16string_view text) {
  if (text.size() > std::numeric_limits<UINT>::max() / sizeof(wchar_t)) {
    ThrowSystemError(E_OUTOFMEMORY);
  }
  // An empty BSTR is still allocated: some servers tell it from a null one.
  BSTR bstr = SysAllocStringLen(reinterpret_cast<const wchar_t*>(text.data()),
                                static_cast<UINT>(text.size()));
  if (bstr == nullptr) ThrowSystemError(E_OUTOFMEMORY);
  return UniqueBstr(bstr);
}

std::u16string BstrText(BSTR bstr) {
  if (bstr == nullptr) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(bstr), SysStringLen(bstr));
}

SafeArrayData::SafeArrayData(SAFEARRAY* array) : array_(array) {
  HRESULT hr = SafeArrayAccessData(array, &data_);
  if (FAILED(hr)) ThrowSystemError(hr);
}

ComApartment::ComApartment() {
  // S_FALSE (already inside an STA) still counts one initialisation to undo.
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(hr)) ThrowSystemError(hr);
}

}  // namespace kelvo
