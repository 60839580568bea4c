#pragma once
// A flat push button that never takes the focus, so that clicking it leaves
// the caret and selection of the editor where they are.

#include <windows.h>

namespace kelvo {

inline constexpr wchar_t kSpeedButtonClass[] = L"KelvoSpeedButton";

// Registers the window class once per process. The button sends WM_COMMAND
// with BN_CLICKED to its parent when clicked, and answers BM_CLICK. A button
// given a group (SetExclusiveGroup) stays down once clicked and puts the
// others of its group up before its parent hears of the click; BM_GETCHECK
// and BM_SETCHECK read and set its down state, which a button without a group
// never takes.
void RegisterSpeedButtonClass(HINSTANCE instance);

}  // namespace kelvo
