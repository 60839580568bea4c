#pragma once

#include <windows.h>

#include "ui/window.h"

namespace kelvo {

class Win32Messages : public Messages {
 public:
  // Message boxes are owned by the active window of this thread, else by mainWindow.
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
  void ProcessMessages() override;
  void ShowMessage(std::u16string_view text, std::u16string_view caption,
                   MessageStyle style) override;

 private:
  HWND mainWindow_ = nullptr;
};

}  // namespace kelvo
