#pragma once
// The program's hidden application window: the owner of the dialogs, so they
// need no taskbar buttons of their own and stay clear of the main window's
// topmost band.

#include <windows.h>

namespace kelvo {

class ApplicationWindow {
 public:
  explicit ApplicationWindow(HINSTANCE instance)
      : window_(CreateWindowExW(0, L"STATIC", L"KelvoEdit", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr)) {}
  ~ApplicationWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;
  HWND hwnd() const { return window_; }

 private:
  HWND window_;
};

}  // namespace kelvo
