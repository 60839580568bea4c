#include "ui/messages_win.h"

#include <string>

#include "ui/widgets_win.h"

namespace kelvo {

namespace {

constexpr ULONGLONG kLookInterval = 10;

}  // namespace

void Win32Messages::ProcessMessages() {
  ULONGLONG now = GetTickCount64();
  if (now - lastLook_ < kLookInterval) return;
  lastLook_ = now;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Messages::ShowMessage(std::u16string_view text, std::u16string_view caption,
                                MessageStyle style) {
  UINT flags = MB_OK;
  if (style == MessageStyle::Error) flags |= MB_ICONERROR;
  if (style == MessageStyle::Information) flags |= MB_ICONINFORMATION | MB_DEFBUTTON1;
  HWND owner = GetActiveWindow();
  if (owner == nullptr) owner = mainWindow_;
  if (style == MessageStyle::Plain) {
    // Centred on the screen: a box without an owner is, and it must still
    // stand above the topmost tool window and hold the program's windows.
    owner = nullptr;
    flags |= MB_TASKMODAL | MB_TOPMOST;
  }
  std::u16string body(text);
  std::u16string title(caption);
  MessageBoxW(owner, Wide(body), Wide(title), flags);
}

}  // namespace kelvo
