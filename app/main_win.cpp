// Program entry: one instance, the five windows, the message loop.

#include <windows.h>
#include <commctrl.h>

#include "app/profile_win.h"
#include "app/program_windows_win.h"
#include "base/error.h"
#include "base/files_win.h"
#include "base/locale_win.h"
#include "base/com_handles_win.h"
#include "cad/desktop_win.h"
#include "cad/message_filter_win.h"
#include "cad/running_objects_win.h"
#include "ui/error_report.h"
#include "ui/messages_win.h"

namespace {

int RunProgram(HINSTANCE instance) {
  using namespace kelvo;
  ComApartment apartment;
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);

  Win32Messages messages;
  WindowsDesktop desktop;
  ComRunningObjects running;
  ComMessageFilterHost messageFilter;
  IniProfile profile(IniProfile::PathBesideProgram());
  WindowsLocale locale;
  WindowsFiles files;

  ProgramWindows windows(instance, {messages,
                                    desktop,
                                    running,
                                    messageFilter,
                                    profile,
                                    locale,
                                    {files, locale, TargetListPath(ProgramPath())}});
  messages.SetMainWindow(windows.mainWindow().hwnd());
  windows.Show();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A running copy is found by its window class alone; this one ends unseen.
  if (FindWindowW(L"TKelvoMainForm", nullptr) != nullptr) return 0;
  try {
    RunProgram(instance);
  } catch (const std::exception& e) {
    std::u16string text = kelvo::ErrorReportText(kelvo::FromUtf8(e.what()));
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()), L"KelvoEdit",
                MB_OK | MB_ICONERROR);
  }
  return 0;
}
