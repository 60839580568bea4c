#pragma once
// A flat push button that never takes the focus, so that clicking it leaves
// the caret and selection of the editor where they are.

#include <windows.h>

namespace kelvo {

inline constexpr wchar_t kSpeedButtonClass[] = L"KelvoSpeedButton";

// Registers the window class once per process. The button sends WM_COMMAND
// with BN_CLICKED to its parent when clicked, and answers BM_CLICK.
void RegisterSpeedButtonClass(HINSTANCE instance);

}  // namespace kelvo
