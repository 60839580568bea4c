// Program entry: one instance, the five windows, the message loop.

#include <windows.h>
#include <commctrl.h>

#include "app/error_report.h"
#include "app/main_window_win.h"
#include "app/profile_win.h"
#include "base/error.h"
#include "base/locale_win.h"
#include "cad/com_raii_win.h"
#include "cad/desktop_win.h"
#include "cad/message_filter_win.h"
#include "cad/running_objects_win.h"
#include "ui/messages_win.h"
#include "ui/application_window_win.h"
#include "ui/modal_window_win.h"

namespace {

int RunProgram(HINSTANCE instance) {
  using namespace kelvo;
  ComApartment apartment;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  Win32Messages messages;
  WindowsDesktop desktop;
  ComRunningObjects running;
  ComMessageFilterHost messageFilter;
  IniProfile profile(IniProfile::PathBesideProgram());
  WindowsLocale locale;

  MainWindow main(instance, messages);
  ModalWindow targetDialog(instance, L"TTargetCADForm", u"ターゲット CAD", 315, 307);
  ModalWindow replaceDialog(instance, L"TKelvoTikanForm", u"文字列置換", 300, 160);
  ModalWindow addDialog(instance, L"TKelvoKasanForm", u"加算", 260, 160);
  ModalWindow serialDialog(instance, L"TKelvoRenbanForm", u"連番作成", 300, 300);

  MainFormServices services{main,    targetDialog,  messages, desktop,
                            running, messageFilter, profile,  locale};
  main.Create(services);
  ApplicationWindow application(instance);
  for (ModalWindow* dialog : {&targetDialog, &replaceDialog, &addDialog, &serialDialog}) {
    dialog->Create(application.hwnd(), main.font());
  }
  // The target list and its fields come later; the dialog can be left already.
  targetDialog.AddControl(L"BUTTON", u"取り消し", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 161, 271,
                          88, 25);
  main.Show();

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
  if (FindWindowW(kelvo::kMainWindowClass, nullptr) != nullptr) return 0;
  try {
    RunProgram(instance);
  } catch (const kelvo::Error& e) {
    std::u16string text = kelvo::ErrorReportText(e.text());
    MessageBoxW(nullptr, kelvo::Wide(text), L"KelvoEdit", MB_OK | MB_ICONERROR);
  }
  return 0;
}
