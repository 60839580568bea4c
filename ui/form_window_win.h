#pragma once
// The one host of every window: builds the window and its controls from the
// window's table, scales them to the monitor's dpi and lays them out again on
// resize and on WM_DPICHANGED, builds the popup menu from the form's command
// table, and turns window messages into the form's events by control id.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "base/handles_win.h"
#include "base/locale.h"
#include "ui/events.h"
#include "ui/form_table.h"
#include "ui/widget_set.h"
#include "ui/widgets_win.h"
#include "ui/window.h"

namespace kelvo {

class FormWindow : public Window, public WidgetSet {
 public:
  FormWindow(HINSTANCE instance, const WindowTable& table, const Locale& locale);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window, hidden, with every control of its table and the
  // popup menu of `menu`. A dialog's owner is the program's hidden
  // application window: owned by the topmost main window it would share its
  // band, and Wine then keeps both there for good. Raises when a window
  // cannot be made.
  void Create(HWND owner, std::vector<MenuEntry> menu = {});
  // Where the events go; none are fired before this is set.
  void SetEvents(EventSink* events) { events_ = events; }
  // The main window: destroying it ends the message loop.
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }
  void Show();
  HWND hwnd() const { return window_; }
  HWND ControlWindow(int id) const;
  int dpi() const { return dpi_; }

  // WidgetSet
  Widget& widget(int id) override;

  // Window
  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
  std::u16string Caption() const override { return WindowText(window_); }
  void SetCaption(std::u16string_view caption) override { SetWindowText16(window_, caption); }
  void SetTopmost(bool topmost, bool activate) override;
  WindowRect RestoredBounds() const override;
  void MoveTo(int left, int top) override;
  ModalResult ShowModal() override;
  void EndModal(ModalResult result) override;
  void Destroy() override;

 private:
  template <typename Owner>
  friend LRESULT CALLBACK OwnerWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window) { window_ = window; }
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wp, LPARAM lp);
  LRESULT HandleControl(HWND control, UINT message, WPARAM wp, LPARAM lp);

  void RegisterWindowClass();
  void CreateControls();
  void BuildPopupMenu(const std::vector<MenuEntry>& menu);
  // Places every control for the client size at the current dpi; labels keep
  // the size their text gave them unless sizes are to be redone.
  void LayOutControls(bool resize);
  void ApplyFonts();
  HFONT FontFor(const FontSpec& wanted);
  bool Fire(int id, Event event, char16_t* key = nullptr);
  void OnCommand(int id, int code, HWND control);
  void ShowPopupMenu(POINT at, HWND control);
  LRESULT ControlColor(HDC dc, HWND control, UINT message);
  int IdOf(HWND control) const;

  HINSTANCE instance_;
  const WindowTable& table_;
  const Locale& locale_;
  HWND window_ = nullptr;
  UniqueHwnd owned_;
  int dpi_ = 96;
  EventSink* events_ = nullptr;
  bool quitOnDestroy_ = false;
  std::map<int, HWND> controls_;
  std::map<int, std::unique_ptr<Widget>> widgets_;
  std::map<std::pair<int, bool>, UniqueHfont> fonts_;
  UniqueHmenu popup_;
  HWND lastFocus_ = nullptr;
  bool modal_ = false;
  ModalResult result_ = ModalResult::None;
};

}  // namespace kelvo
