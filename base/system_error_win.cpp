#include "base/system_error_win.h"

#include "base/error.h"
#include "base/handles_win.h"
#include "base/status_text.h"

namespace kelvo {

std::u16string SystemErrorText(HRESULT status) {
  UniqueLocalMemory<wchar_t*> buffer;
  // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument is where the
  // allocated text's address goes.
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(buffer.put()), 0, nullptr);
  std::u16string text;
  if (length != 0 && buffer) {
    text.assign(reinterpret_cast<const char16_t*>(buffer.get()), length);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ')) {
      text.pop_back();
    }
  }
  if (text.empty()) {
    // Wine has no text for most COM statuses: a sentence the user can act on.
    auto code = static_cast<std::uint32_t>(status);
    text = FriendlyStatusText(code).value_or(StatusCodeText(code));
  }
  return text;
}

void ThrowSystemError(HRESULT status) {
  throw Error(SystemErrorText(status));
}

}  // namespace kelvo
