#pragma once
// The program's five windows and their forms: the main window, then the
// target, replace, add and serial-number dialogs, all made from their tables,
// living until the program ends.

#include <windows.h>

#include <memory>

#include "app/main_form.h"
#include "ui/application_window_win.h"
#include "ui/form_window_win.h"

namespace kelvo {

class ProgramWindows {
 public:
  // Creates every window, hidden, binds the forms and runs their FormCreate.
  ProgramWindows(HINSTANCE instance, const PlatformServices& services);
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  TKelvoMainForm& form() { return *form_; }
  FormWindow& mainWindow() { return main_; }
  FormWindow& targetWindow() { return target_; }
  FormWindow& replaceWindow() { return replace_; }
  FormWindow& addWindow() { return add_; }
  FormWindow& serialWindow() { return serial_; }
  TTargetCADForm& targetForm() { return *targetForm_; }
  TKelvoTikanForm& replaceForm() { return *replaceForm_; }
  TKelvoKasanForm& addForm() { return *addForm_; }
  TKelvoRenbanForm& serialForm() { return *serialForm_; }
  // Shows the main window with the focus in the editor, and starts the timer.
  void Show();

 private:
  ApplicationWindow application_;
  FormWindow main_;
  FormWindow target_;
  FormWindow replace_;
  FormWindow add_;
  FormWindow serial_;
  std::unique_ptr<TTargetCADForm> targetForm_;
  std::unique_ptr<TKelvoTikanForm> replaceForm_;
  std::unique_ptr<TKelvoKasanForm> addForm_;
  std::unique_ptr<TKelvoRenbanForm> serialForm_;
  std::unique_ptr<TKelvoMainForm> form_;
};

}  // namespace kelvo
