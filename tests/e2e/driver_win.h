#pragma once
// The end-to-end driver: starts simcad.exe and KelvoEditX.exe as a user would,
// works the tool window through its controls and checks the drawing through
// the simulated CAD's test members.

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "cad/automation.h"
#include "sim/entity.h"

namespace kelvo::e2e {

inline constexpr char16_t kProgID[] = u"BricscadApp.AcadApplication";
using namespace std::chrono_literals;

// Polls until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// The folder the driver and the programs were built into.
std::wstring BuildFolder();
// A new empty folder of its own for one test.
std::wstring NewTestFolder();

class Process {
 public:
  Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder = L"");
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  DWORD id() const { return info_.dwProcessId; }
  // The exit code once ended within the time, else nullopt.
  std::optional<DWORD> Wait(std::chrono::milliseconds timeout);
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

// The simulated CAD, running and published for a ProgID, the default one unless given.
class SimCad {
 public:
  explicit SimCad(bool sample = false, std::u16string_view progId = kProgID);
  // Closes the window, so that the running object is revoked before the next test.
  ~SimCad();
  SimCad(const SimCad&) = delete;
  SimCad& operator=(const SimCad&) = delete;
  ObjectRef app() const { return app_; }
  std::int64_t AddText(std::u16string_view text, double x, double y, int alignment = 0);
  void QueuePicks(const std::vector<std::int64_t>& ids);
  std::vector<sim::Entity> Drawing();
  std::u16string SelectionSets();
  std::u16string CallLog();
  void ClearCallLog();
  int EscapeCount();
  void Kill() { process_.Kill(); }
  Process& process() { return process_; }

 private:
  Process process_;
  ObjectRef app_;
};

struct MessageBoxSeen {
  HWND window = nullptr;
  std::u16string caption;
  std::u16string text;
};

// KelvoEditX.exe run from a folder of its own, so that its settings file is the test's.
class Kelvo {
 public:
  explicit Kelvo(std::wstring folder = NewTestFolder());
  ~Kelvo();
  Kelvo(const Kelvo&) = delete;
  Kelvo& operator=(const Kelvo&) = delete;

  const std::wstring& folder() const { return folder_; }
  std::wstring IniPath() const { return folder_ + L"\\KelvoEditX.ini"; }
  // Starts the program and waits for its main window.
  void Start();
  HWND main() const { return main_; }
  HWND Control(int id) const;
  std::u16string Text(int id) const;
  void SetText(int id, std::u16string_view text);
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
  std::u16string StatusText(int panel) const;
  // The right edge of each status bar panel.
  std::vector<int> StatusParts() const;
  // Clicks a button and returns at once; the handler may still be running.
  void Click(int id);
  // Types characters into a control as if from the keyboard.
  void Type(int id, std::u16string_view text);
  void Command(int menuId);
  // Opens the editor's popup menu with a right click and chooses the command
  // with the arrow keys and Enter, as a user at the keyboard would;
  // beforeEnter runs with the keys to the command sent, the menu still open.
  // False if no menu opened or it did not close.
  bool ChooseFromMenu(int menuId, const std::function<void()>& beforeEnter = {});
  // A visible top-level window of the program with the class, such as a dialog
  // or the popup menu ("#32768"), shown within the time; nullptr if none.
  HWND WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout = 10s);
  // The first message box the program shows within the time; nullopt if none.
  std::optional<MessageBoxSeen> WaitForMessageBox(std::chrono::milliseconds timeout = 10s);
  void Dismiss(const MessageBoxSeen& box);
  // True when the program is idle again (its window answers at once).
  bool Responsive() const;
  void Close();
  Process& process() { return *process_; }

 private:
  std::wstring folder_;
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
};

std::u16string WindowText16(HWND window);
// Top-level windows of a process with the given class.
std::vector<HWND> TopWindows(DWORD processId, const wchar_t* className);

}  // namespace kelvo::e2e

namespace kelvo::e2e {

// Real key strokes through the system's input queue, to the focused window:
// the virtual key, with Ctrl held down when asked.
void PressKey(WORD virtualKey, bool withCtrl);
// Brings a window of the program under test to the front and focuses a control of it.
bool FocusControl(HWND window, HWND control);
// Characters as the keyboard would type them, to the focused window.
void TypeKeys(std::u16string_view text);
// A real right click in the middle of a window, through the system's input queue.
void RightClick(HWND window);
// The mouse pointer moved to a point of the screen, as the user would move it.
void MovePointer(POINT at);

}  // namespace kelvo::e2e
