#pragma once
// The platform services the CAD commands need: the running object table and
// the window manager. Windows implements them with COM and user32; tests use
// the simulated CAD's registry and a recording fake.

#include <cstdint>
#include <string_view>

#include "base/window_handle.h"
#include "cad/variant.h"

namespace kelvo {

class RunningObjects {
 public:
  virtual ~RunningObjects() = default;
  // True when an object is registered for the ProgID. A ProgID that cannot be
  // resolved raises Error with the system's text.
  virtual bool IsRunning(std::u16string_view progId) = 0;
  // The running object for the ProgID as an automation object; raises on failure.
  virtual ObjectRef Attach(std::u16string_view progId) = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual void OpenIcon(WindowHandle window) = 0;
  virtual void SetForegroundWindow(WindowHandle window) = 0;
  virtual WindowHandle GetForegroundWindow() = 0;
  virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window) = 0;
  virtual void AttachThreadInput(std::uint32_t attach, std::uint32_t to, bool on) = 0;
  virtual void BringWindowToTop(WindowHandle window) = 0;
  // One Escape key press: key down, then key up.
  virtual void PressEscape() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual bool IsCtrlDown() = 0;
};

// Installs the process's COM message filter for calls into a busy CAD, and
// puts back the one that was there before.
class MessageFilterHost {
 public:
  virtual ~MessageFilterHost() = default;
  virtual void Install() = 0;
  virtual void Remove() = 0;
};

}  // namespace kelvo
