#pragma once
// Routes a window's messages to the C++ object that created it: the object is
// the window's creation parameter, kept in its user data, and answers through
// Attach(HWND) at WM_NCCREATE and Handle(message, wp, lp) afterwards. No
// exception crosses a window procedure: the last-resort guard reports it and
// gives the message its default answer.

#include <windows.h>

#include <exception>
#include <string>

#include "base/text.h"

namespace kelvo {

// Reports a failure that escaped everything up to a window procedure.
inline void ReportUncaught(const char* what) noexcept {
  try {
    std::u16string text = FromUtf8(what != nullptr ? what : "unknown failure");
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()), L"KelvoEdit",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
  } catch (...) {
    // Not even the report could be made; the message loop goes on.
  }
}

// Runs body; a failure is reported and fallback() answers the message instead.
template <typename Body, typename Fallback>
LRESULT Guarded(Body&& body, Fallback&& fallback) noexcept {
  try {
    return body();
  } catch (const std::exception& e) {
    ReportUncaught(e.what());
  } catch (...) {
    ReportUncaught(nullptr);
  }
  return fallback();
}

template <typename Owner>
LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  return Guarded(
      [&] {
        if (message == WM_NCCREATE) {
          auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
          SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
          owner->Attach(window);
        }
        auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        return owner != nullptr ? owner->Handle(message, wp, lp)
                                : DefWindowProcW(window, message, wp, lp);
      },
      [&] { return DefWindowProcW(window, message, wp, lp); });
}

}  // namespace kelvo
