#include "ui/subclass_win.h"

namespace kelvo {
namespace {

constexpr wchar_t kOwner[] = L"KelvoSubclassOwner";
constexpr wchar_t kOriginal[] = L"KelvoSubclassOriginal";

}  // namespace

void Subclass(HWND window, WNDPROC proc, void* owner) {
  SetPropW(window, kOwner, owner);
  auto original = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  SetPropW(window, kOriginal, reinterpret_cast<HANDLE>(original));
}

void* SubclassOwner(HWND window) {
  return GetPropW(window, kOwner);
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginal));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropW(window, kOwner);
    RemovePropW(window, kOriginal);
  }
  return CallWindowProcW(original, window, message, wp, lp);
}

}  // namespace kelvo
