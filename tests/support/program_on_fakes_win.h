#pragma once
// The program's real windows and forms, with fakes for the CAD, the desktop,
// the settings and the target list: for the Wine tests and benchmarks that
// need the real controls but no CAD.

#include <windows.h>

#include "app/program_windows_win.h"
#include "base/portable_locale.h"
#include "support/fakes.h"
#include "ui/messages_win.h"

namespace kelvo::test {

struct NoCad : RunningObjects {
  bool IsRunning(std::u16string_view) override { return false; }
  ObjectRef Attach(std::u16string_view) override { return nullptr; }
};

template <typename LocaleType = TestLocale>
struct ProgramOnFakes {
  ProgramOnFakes() {
    // A quit left by windows made elsewhere would end the first modal loop.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    messages.SetMainWindow(windows.mainWindow().hwnd());
    // A test goes on after the window is gone: no quit may be left for the
    // next modal loop to take.
    windows.mainWindow().SetQuitOnDestroy(false);
  }
  ~ProgramOnFakes() { EntityList.clear(); }
  HWND Control(int id) { return windows.mainWindow().ControlWindow(id); }

  NoCad running;
  Win32Messages messages;
  FakeDesktop desktop;
  FakeMessageFilterHost filter;
  MemoryProfile profile;
  MemoryFiles files;
  LocaleType locale;
  ProgramWindows windows{GetModuleHandleW(nullptr),
                         {messages,
                          desktop,
                          running,
                          filter,
                          profile,
                          locale,
                          {files, locale, u"C:\\tools\\TargetCAD_APIVersion.txt"}}};
  TKelvoMainForm& form = windows.form();
};

}  // namespace kelvo::test
