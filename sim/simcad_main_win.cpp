// simcad.exe: the simulated CAD as a program of its own. It serves its
// application object to automation clients for a ProgID and shows the drawing
// in a window, until the window is closed.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "base/com_handles_win.h"
#include "base/error.h"
#include "base/handles_win.h"
#include "base/text.h"
#include "sim/active_object_win.h"
#include "sim/dispatch_server_win.h"
#include "sim/drawing.h"
#include "sim/sim_objects.h"
#include "sim/simcad_clsid_win.h"
#include "sim/simcad_options_win.h"
#include "sim/simcad_sample.h"
#include "sim/simcad_window_win.h"

namespace {

using namespace kelvo;
using namespace kelvo::sim;

std::vector<std::wstring> Arguments() {
  int count = 0;
  UniqueLocalMemory<wchar_t**> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!argv) return {};
  return std::vector<std::wstring>(argv.get() + std::min(count, 1), argv.get() + count);
}

// A GUI program has no console; the reason goes to whatever started it.
void ReportFailure(const std::u16string& text) {
  std::string line = ToUtf8(u"simcad: " + text) + "\n";
  HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  if (out != nullptr && out != INVALID_HANDLE_VALUE) {
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }
  OutputDebugStringW(reinterpret_cast<const wchar_t*>((u"simcad: " + text).c_str()));
}

int Run(HINSTANCE instance, int showCommand) {
  const std::vector<std::wstring> args = Arguments();
  const SimCadOptions options = ParseSimCadOptions(args);
  ComApartment apartment;

  auto drawing = std::make_shared<Drawing>();
  if (options.sample) AddSampleDrawing(*drawing);
  SimCadWindow window(instance, drawing, options.Caption(),
                      options.placement.value_or(SimCadWindow::DefaultPlacement()));
  window.Show(showCommand);

  // Findable only once the window (the application's HWND) exists; revoked
  // before the window goes.
  ComPtr<IDispatch> application = DispatchServer::Create(MakeApplication(drawing));
  const std::u16string progId(options.progId.begin(), options.progId.end());
  ActiveObject registration(progId, SimCadClsid(options.progId), application.Get());

  // Incoming calls arrive as messages of this apartment's queue.
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  try {
    return Run(instance, showCommand);
  } catch (const Error& e) {
    ReportFailure(e.text());
  } catch (const std::exception& e) {
    ReportFailure(FromUtf8(e.what()));
  }
  return 1;
}
