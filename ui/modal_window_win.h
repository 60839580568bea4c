#pragma once
// A top-level dialog window that lives for the whole run and is shown modally
// over its owner. Subclasses add their controls and commands.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/window.h"
#include "ui/window_proc_win.h"

namespace kelvo {

class ModalWindow : public Window {
 public:
  // Commands the dialog handles itself; returns true when handled.
  using CommandHandler = std::function<bool(int id, int code)>;

  ModalWindow(HINSTANCE instance, const wchar_t* className, std::u16string_view caption,
              int clientWidth, int clientHeight);
  // Creates the window; it stays hidden until ShowModal. The owner is the
  // program's hidden application window: a dialog owned by the topmost main
  // window would share its band, and Wine then keeps both there for good.
  void Create(HWND owner, HFONT font);
  ~ModalWindow() override;
  ModalWindow(const ModalWindow&) = delete;
  ModalWindow& operator=(const ModalWindow&) = delete;

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
  std::u16string Caption() const override;
  void SetCaption(std::u16string_view caption) override;
  void SetTopmost(bool topmost, bool activate) override;
  WindowRect RestoredBounds() const override;
  void MoveTo(int left, int top) override;
  ModalResult ShowModal() override;
  void Destroy() override { DestroyWindow(window_); }

  void EndModal(ModalResult result);
  HWND hwnd() const { return window_; }
  // Creates a child control at design coordinates, scaled to the dialog's dpi.
  HWND AddControl(const wchar_t* className, std::u16string_view text, DWORD style, int id, int left,
                  int top, int width, int height);
  void SetCommandHandler(CommandHandler handler) { onCommand_ = std::move(handler); }

 private:
  template <typename Owner>
  friend LRESULT CALLBACK OwnerWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window) { window_ = window; }
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);

  HINSTANCE instance_;
  const wchar_t* className_;
  std::u16string caption_;
  int clientWidth_;
  int clientHeight_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  bool running_ = false;
  ModalResult result_ = ModalResult::None;
  CommandHandler onCommand_;
};

}  // namespace kelvo
