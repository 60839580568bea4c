#pragma once
// One owner for every Windows handle: UniqueHandle with a traits type per kind
// of handle, and scope guards for what is borrowed and given back (a window's
// DC, a paint, an object selected into a DC).

#include <windows.h>

#include "base/unique_handle.h"

namespace kelvo {

template <typename Handle, auto CloseFunction>
struct NullHandleTraits {
  using Value = Handle;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value value) noexcept { CloseFunction(value); }
};

using UniqueHwnd = UniqueHandle<NullHandleTraits<HWND, DestroyWindow>>;
using UniqueHfont = UniqueHandle<NullHandleTraits<HFONT, DeleteObject>>;
using UniqueHbrush = UniqueHandle<NullHandleTraits<HBRUSH, DeleteObject>>;
using UniqueHpen = UniqueHandle<NullHandleTraits<HPEN, DeleteObject>>;
using UniqueHbitmap = UniqueHandle<NullHandleTraits<HBITMAP, DeleteObject>>;
using UniqueHmenu = UniqueHandle<NullHandleTraits<HMENU, DestroyMenu>>;
using UniqueHdc = UniqueHandle<NullHandleTraits<HDC, DeleteDC>>;
using UniqueHkey = UniqueHandle<NullHandleTraits<HKEY, RegCloseKey>>;

// Memory the system allocated for the caller to give back with LocalFree
// (FormatMessage's buffer, CommandLineToArgvW's array), whatever its type.
template <typename Pointer>
struct LocalMemoryTraits {
  using Value = Pointer;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value memory) noexcept { LocalFree(memory); }
};
template <typename Pointer>
using UniqueLocalMemory = UniqueHandle<LocalMemoryTraits<Pointer>>;

// A window's (or the screen's) device context, given back with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const noexcept { return dc_; }
  const RECT& area() const noexcept { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context until the guard ends.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace kelvo
