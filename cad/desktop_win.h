#pragma once
// The window manager calls the CAD commands make, straight through to user32.

#include <windows.h>

#include <cstdint>

#include "cad/cad_platform.h"

namespace kelvo {

// A window handle travels as its low 32 bits, sign-extended: the CAD reports
// its main window that way, and window handles are 32-bit values on 64-bit
// Windows too.
inline HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(window)));
}
inline WindowHandle FromHwnd(HWND window) {
  return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(window));
}

class WindowsDesktop final : public Desktop {
 public:
  bool IsIconic(WindowHandle window) override;
  void OpenIcon(WindowHandle window) override;
  void SetForegroundWindow(WindowHandle window) override;
  WindowHandle GetForegroundWindow() override;
  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  void AttachThreadInput(std::uint32_t attach, std::uint32_t to, bool on) override;
  void BringWindowToTop(WindowHandle window) override;
  void PressEscape() override;
  void Sleep(std::uint32_t milliseconds) override;
  bool IsCtrlDown() override;
};

}  // namespace kelvo
