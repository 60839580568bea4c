#include "base/com_handles_win.h"

#include <limits>

#include "base/system_error_win.h"

namespace kelvo {

UniqueBstr MakeBstr(std::u16string_view text) {
  if (text.size() > std::numeric_limits<UINT>::max() / sizeof(wchar_t)) {
    ThrowSystemError(E_OUTOFMEMORY);
  }
  UniqueBstr bstr(SysAllocStringLen(reinterpret_cast<const wchar_t*>(text.data()),
                                    static_cast<UINT>(text.size())));
  if (!bstr) ThrowSystemError(E_OUTOFMEMORY);
  return bstr;
}

std::u16string BstrText(BSTR bstr) {
  if (bstr == nullptr) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(bstr), SysStringLen(bstr));
}

SafeArrayData::SafeArrayData(SAFEARRAY* array) : array_(array) {
  ThrowIfFailed(SafeArrayAccessData(array, &data_));
}

ComApartment::ComApartment() {
  // S_FALSE (already inside an STA) still counts one initialisation to undo.
  ThrowIfFailed(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

}  // namespace kelvo
