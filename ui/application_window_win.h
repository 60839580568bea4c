#pragma once
// The program's hidden application window: the owner of the dialogs, so they
// need no taskbar buttons of their own and stay clear of the main window's
// topmost band.

#include <windows.h>

#include "base/handles_win.h"
#include "base/system_error_win.h"

namespace kelvo {

class ApplicationWindow {
 public:
  explicit ApplicationWindow(HINSTANCE instance)
      : window_(CheckCreated(CreateWindowExW(0, L"STATIC", L"KelvoEdit", WS_POPUP, 0, 0, 0, 0,
                                             nullptr, nullptr, instance, nullptr))) {}
  HWND hwnd() const { return window_.get(); }

 private:
  UniqueHwnd window_;
};

}  // namespace kelvo
