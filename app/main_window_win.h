#pragma once
// The real main window: creates the controls of the layout, scales them to the
// monitor, keeps the anchors on resize, paints the colours the widgets ask for
// and turns window messages into calls of the form's handlers.

#include <windows.h>

#include <map>
#include <memory>

#include "app/main_form.h"
#include "ui/gutter_win.h"
#include "ui/messages_win.h"
#include "ui/widgets_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {

inline constexpr wchar_t kMainWindowClass[] = L"TKelvoMainForm";

class MainWindow : public Window {
 public:
  MainWindow(HINSTANCE instance, Win32Messages& messages);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls and runs FormCreate; the window stays hidden.
  void Create(const MainFormServices& services);
  void Show();
  HWND hwnd() const { return window_; }
  HFONT font() const { return font_; }
  TKelvoMainForm& form() { return *form_; }

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
  std::u16string Caption() const override { return WindowText(window_); }
  void SetCaption(std::u16string_view caption) override { SetWindowText16(window_, caption); }
  void SetTopmost(bool topmost, bool activate) override;
  WindowRect RestoredBounds() const override;
  void MoveTo(int left, int top) override;
  ModalResult ShowModal() override { return ModalResult::Cancel; }
  void Destroy() override { DestroyWindow(window_); }

 private:
  template <typename Owner>
  friend LRESULT CALLBACK OwnerWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window) { window_ = window; }
  static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK FieldProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
  // A typed character in a control; false when the handler swallowed it.
  bool KeyPress(int control, WPARAM& key);
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
  void CreateControls();
  void BuildPopupMenu();
  void LayoutControls();
  void OnCommand(int id);
  void ShowPopupMenu(POINT at);
  LRESULT ControlColor(HDC dc, HWND control, UINT message);
  // Runs one handler at the program's single catch point.
  void Run(const std::function<void()>& handler);
  int Scale(int value) const { return MulDiv(value, dpi_, 96); }

  HINSTANCE instance_;
  Win32Messages& messages_;
  HWND window_ = nullptr;
  HWND panel_ = nullptr;
  int dpi_ = 96;
  HFONT font_ = nullptr;
  HFONT editorFont_ = nullptr;
  HMENU popup_ = nullptr;
  std::map<int, HWND> controls_;
  // The control that had the focus when the window was last deactivated.
  HWND lastFocus_ = nullptr;

  std::unique_ptr<Win32Button> speedButton1_, speedButton2_, speedButton6_, speedButton7_,
      speedButton3_, speedButton5_, speedButton4_;
  std::unique_ptr<Win32Label> label3_, label4_, label1_, label2_;
  std::unique_ptr<Win32Edit> edit1_, edit2_;
  std::unique_ptr<Win32CheckBox> checkBox1_;
  std::unique_ptr<Win32Gutter> memo2_;
  std::unique_ptr<Win32Memo> memo1_;
  std::unique_ptr<Win32StatusBar> statusBar1_;
  std::unique_ptr<Win32Timer> timer1_;
  std::map<int, std::unique_ptr<Win32MenuItem>> menuItems_;
  std::unique_ptr<TKelvoMainForm> form_;
};

}  // namespace kelvo
