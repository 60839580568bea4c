#pragma once
// The system's message text for a status code.

#include <windows.h>

#include <string>

namespace kelvo {

std::u16string SystemErrorText(HRESULT status);
[[noreturn]] void ThrowSystemError(HRESULT status);

}  // namespace kelvo
