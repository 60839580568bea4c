#pragma once

#include <windows.h>

#include "ui/window.h"

namespace kelvo {

class Win32Messages : public Messages {
 public:
  // Message boxes are owned by the active window of this thread, else by mainWindow.
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
  // Looks at the queue at most once every few milliseconds: long commands
  // call this after every line (and the conversions after every table entry),
  // millions of times, and a look at the queue costs Wine a call to its
  // server. "中止" and the timer are still served within those milliseconds.
  void ProcessMessages() override;
  void ShowMessage(std::u16string_view text, std::u16string_view caption,
                   MessageStyle style) override;

 private:
  HWND mainWindow_ = nullptr;
  ULONGLONG lastLook_ = 0;
};

}  // namespace kelvo
