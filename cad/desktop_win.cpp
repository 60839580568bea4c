#include "cad/desktop_win.h"

namespace kelvo {

bool WindowsDesktop::IsIconic(WindowHandle window) {
  return ::IsIconic(ToHwnd(window)) != FALSE;
}

void WindowsDesktop::OpenIcon(WindowHandle window) {
  ::OpenIcon(ToHwnd(window));
}

void WindowsDesktop::SetForegroundWindow(WindowHandle window) {
  ::SetForegroundWindow(ToHwnd(window));
}

WindowHandle WindowsDesktop::GetForegroundWindow() {
  return FromHwnd(::GetForegroundWindow());
}

std::uint32_t WindowsDesktop::GetWindowThreadProcessId(WindowHandle window) {
  return ::GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

void WindowsDesktop::AttachThreadInput(std::uint32_t attach, std::uint32_t to, bool on) {
  ::AttachThreadInput(attach, to, on ? TRUE : FALSE);
}

void WindowsDesktop::BringWindowToTop(WindowHandle window) {
  ::BringWindowToTop(ToHwnd(window));
}

void WindowsDesktop::PressEscape() {
  ::keybd_event(VK_ESCAPE, 0, 0, 0);
  ::keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
}

void WindowsDesktop::Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

bool WindowsDesktop::IsCtrlDown() {
  return ::GetKeyState(VK_CONTROL) < 0;
}

}  // namespace kelvo
