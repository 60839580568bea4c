#pragma once
// The system's message text for a status code.

#include <windows.h>

#include <string>

namespace kelvo {

std::u16string SystemErrorText(HRESULT status);
[[noreturn]] void ThrowSystemError(HRESULT status);

}  // namespace kelvo

namespace kelvo {

// One-line failure checks: a failed status, or a false result whose reason is
// the thread's last error, raise Error with the system's text.
inline void ThrowIfFailed(HRESULT status) {
  if (FAILED(status)) ThrowSystemError(status);
}
inline void ThrowLastErrorIf(bool failed) {
  if (!failed) return;
  // A creation refused by the window's own WM_CREATE leaves no last error.
  DWORD error = GetLastError();
  ThrowSystemError(error != 0 ? HRESULT_FROM_WIN32(error) : E_FAIL);
}
// Returns a created handle, raising with the last error when creation failed.
template <typename Handle>
Handle CheckCreated(Handle handle) {
  ThrowLastErrorIf(handle == nullptr);
  return handle;
}

}  // namespace kelvo
