#pragma once
// Routes a window's messages to the C++ object that created it: the object is
// the window's creation parameter, kept in its user data, and answers through
// Attach(HWND) at WM_NCCREATE and Handle(message, wp, lp) afterwards.

#include <windows.h>

namespace kelvo {

template <typename Owner>
LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->Attach(window);
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return owner != nullptr ? owner->Handle(message, wp, lp)
                          : DefWindowProcW(window, message, wp, lp);
}

}  // namespace kelvo
