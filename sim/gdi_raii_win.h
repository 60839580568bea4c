#pragma once
// Owners for the GDI resources simcad's window paints with.

#include <windows.h>

#include <utility>

namespace kelvo::sim {

// A pen, brush, font or bitmap, deleted with its owner.
template <typename Handle>
class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  explicit UniqueGdiObject(Handle owned) noexcept : handle_(owned) {}
  UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    reset(std::exchange(other.handle_, {}));
    return *this;
  }
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
  ~UniqueGdiObject() { reset(); }

  Handle get() const noexcept { return handle_; }
  void reset(Handle owned = nullptr) noexcept {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = owned;
  }

 private:
  Handle handle_ = nullptr;
};

// An object selected into a device context until the guard ends.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint .. EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC dc() const noexcept { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// A window's device context from GetDC, released with the guard.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC dc() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context, deleted with its owner.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) noexcept : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HDC dc_;
};

// An off-screen bitmap the size of the window, painted and then copied in one
// step so that a redraw does not flicker.
class BackBuffer {
 public:
  BackBuffer(HDC target, int width, int height) noexcept
      : target_(target),
        width_(width),
        height_(height),
        dc_(target),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        selected_(dc_.get(), bitmap_.get()) {}
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  HDC dc() const noexcept { return dc_.get(); }
  bool ok() const noexcept { return dc_.get() != nullptr && bitmap_.get() != nullptr; }
  void Present() const noexcept {
    BitBlt(target_, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
  }

 private:
  HDC target_;
  int width_;
  int height_;
  // Declared so that the bitmap leaves the DC before either is deleted.
  MemoryDc dc_;
  UniqueGdiObject<HBITMAP> bitmap_;
  SelectedObject selected_;
};

}  // namespace kelvo::sim
