#include "tests/e2e/driver_win.h"

#include <commctrl.h>

#include <algorithm>
#include <thread>

#include "app/main_form.h"
#include "base/error.h"
#include "base/handles_win.h"
#include "cad/running_objects_win.h"
#include "sim/drawing_text.h"

namespace kelvo::e2e {
namespace {

const wchar_t* W(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/"));
}

LRESULT SendTimeout(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, 5000, &result);
  return static_cast<LRESULT>(result);
}

using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, CloseHandle>>;

// Memory in the program's own process: common-control messages with pointers
// are not marshalled between processes, so their buffers have to live there.
class RemoteBuffer {
 public:
  RemoteBuffer(DWORD processId, SIZE_T bytes)
      : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                             processId)) {
    if (process_) {
      address_ = VirtualAllocEx(process_.get(), nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    }
  }
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  explicit operator bool() const { return address_ != nullptr; }
  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  void Read(void* into, SIZE_T bytes) const {
    SIZE_T read = 0;
    ReadProcessMemory(process_.get(), address_, into, bytes, &read);
  }

 private:
  UniqueKernelHandle process_;
  void* address_ = nullptr;
};

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    // Lets the programs under test run; the driver's own STA has nothing to serve.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    std::this_thread::sleep_for(20ms);
  }
}

std::wstring BuildFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  // The programs sit beside the demo, or one folder up from the tests.
  std::wstring folder = FolderOf(path);
  if (GetFileAttributesW((folder + L"\\KelvoEditX.exe").c_str()) != INVALID_FILE_ATTRIBUTES)
    return folder;
  return FolderOf(folder);
}

std::wstring NewTestFolder() {
  // Process ids come round again under Wine, so a name is only taken when
  // the folder did not exist: no test starts with another run's settings.
  static unsigned counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (;;) {
    std::wstring folder = std::wstring(temp) + L"kelvo-e2e-" + std::to_wstring(GetTickCount64()) +
                          L"-" + std::to_wstring(++counter);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw Error(u"cannot create a test folder");
  }
}

Process::Process(const std::wstring& exe, const std::wstring& arguments,
                 const std::wstring& folder) {
  std::wstring command = L"\"" + exe + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
    throw Error(u"cannot start " + std::u16string(exe.begin(), exe.end()));
  }
}

Process::~Process() {
  Kill();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

std::optional<DWORD> Process::Wait(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void Process::Kill() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 5000);
}

SimCad::SimCad(bool sample, std::u16string_view progId)
    : process_(
          BuildFolder() + L"\\simcad.exe",
          L"/progid:" + std::wstring(progId.begin(), progId.end()) + (sample ? L" /sample" : L"")) {
  ComRunningObjects running;
  bool up = WaitFor(
      [&] {
        try {
          if (!running.IsRunning(progId)) return false;
          app_ = running.Attach(progId);
          // A registration left by a copy that was killed answers nothing.
          Get(app_, u"SimSelectionSets");
          return true;
        } catch (const Error&) {
          return false;
        }
      },
      30s);
  if (!up) throw Error(u"simcad.exe did not come up");
}

SimCad::~SimCad() {
  app_.reset();
  for (HWND w : TopWindows(process_.id(), L"KelvoSimCad")) PostMessageW(w, WM_CLOSE, 0, 0);
  process_.Wait(10s);
}

std::int64_t SimCad::AddText(std::u16string_view text, double x, double y, int alignment) {
  Arg args[] = {{Variant(std::u16string(text))},
                {Variant(x)},
                {Variant(y)},
                {Variant(std::int32_t{alignment})}};
  return Call(app_, u"SimAddText", args).ToInt64();
}

void SimCad::QueuePicks(const std::vector<std::int64_t>& ids) {
  VariantArray picks;
  for (std::int64_t id : ids) picks.emplace_back(id);
  Arg arg{Variant(std::move(picks))};
  Call(app_, u"SimQueuePicks", std::span<Arg>(&arg, 1));
}

std::vector<sim::Entity> SimCad::Drawing() {
  return sim::ParseDrawingText(Get(app_, u"SimDrawing").ToString());
}

std::u16string SimCad::SelectionSets() {
  return Get(app_, u"SimSelectionSets").ToString();
}
std::u16string SimCad::CallLog() {
  return Get(app_, u"SimCallLog").ToString();
}
void SimCad::ClearCallLog() {
  Get(app_, u"SimClearCallLog");
}
int SimCad::EscapeCount() {
  return Get(app_, u"SimEscapeCount").ToInt32();
}

Kelvo::Kelvo(std::wstring folder) : folder_(std::move(folder)) {}

Kelvo::~Kelvo() {
  if (process_) process_->Kill();
}

void Kelvo::Start() {
  std::wstring exe = folder_ + L"\\KelvoEditX.exe";
  CopyFileW((BuildFolder() + L"\\KelvoEditX.exe").c_str(), exe.c_str(), FALSE);
  process_ = std::make_unique<Process>(exe, L"", folder_);
  DWORD id = process_->id();
  bool shown = WaitFor(
      [&] {
        for (HWND w : TopWindows(id, L"TKelvoMainForm")) {
          if (IsWindowVisible(w)) main_ = w;
        }
        return main_ != nullptr;
      },
      30s);
  if (!shown) {
    auto code = process_->Wait(0ms);
    std::string why = code ? "ended with exit code " + std::to_string(*code) : "still runs";
    throw Error(u"KelvoEditX.exe showed no window; it " + std::u16string(why.begin(), why.end()));
  }
}

HWND Kelvo::Control(int id) const {
  if (id == kIdMemo1 || id == kIdMemo2) return GetDlgItem(GetDlgItem(main_, kIdPanel1), id);
  return GetDlgItem(main_, id);
}

std::u16string Kelvo::Text(int id) const {
  return WindowText16(Control(id));
}

void Kelvo::SetText(int id, std::u16string_view text) {
  std::u16string copy(text);
  SendTimeout(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(W(copy)));
}

std::u16string Kelvo::StatusText(int panel) const {
  constexpr SIZE_T kBytes = 1024;
  RemoteBuffer remote(process_->id(), kBytes);
  if (!remote) return u"";
  SendTimeout(Control(kIdStatusBar1), SB_GETTEXTW, panel, remote.address());
  wchar_t buffer[kBytes / sizeof(wchar_t)] = {};
  remote.Read(buffer, sizeof buffer - sizeof(wchar_t));
  return reinterpret_cast<const char16_t*>(buffer);
}

std::vector<int> Kelvo::StatusParts() const {
  constexpr int kMost = 8;
  RemoteBuffer remote(process_->id(), kMost * sizeof(int));
  if (!remote) return {};
  auto count = SendTimeout(Control(kIdStatusBar1), SB_GETPARTS, kMost, remote.address());
  std::vector<int> parts(static_cast<std::size_t>(std::clamp<LRESULT>(count, 0, kMost)));
  remote.Read(parts.data(), parts.size() * sizeof(int));
  return parts;
}

void Kelvo::Click(int id) {
  PostMessageW(Control(id), BM_CLICK, 0, 0);
}

void Kelvo::Type(int id, std::u16string_view text) {
  for (char16_t c : text) PostMessageW(Control(id), WM_CHAR, c, 1);
}

void Kelvo::Command(int menuId) {
  PostMessageW(main_, WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
}

namespace {

// Where a command sits in the popup menu: the entry that opens its submenu,
// if any, and the Down presses that reach it from the menu's first entry,
// separators being passed over.
struct MenuPath {
  int opener = 0;
  int downs = 0;
};

MenuPath PathTo(int menuId) {
  std::vector<MenuEntry> entries = MenuEntries(MainFormCommands());
  int submenu = 0;
  for (const MenuEntry& e : entries) {
    if (e.id == menuId) submenu = e.submenu;
  }
  MenuPath path{submenu, -1};
  for (const MenuEntry& e : entries) {
    if (e.submenu != submenu || e.id == 0) continue;
    ++path.downs;
    if (e.id == menuId) break;
  }
  return path;
}

}  // namespace

bool Kelvo::ChooseFromMenu(int menuId, const std::function<void()>& beforeEnter) {
  HWND editor = Control(kIdMemo1);
  if (!FocusControl(main_, editor)) return false;
  RightClick(editor);
  if (WaitForWindow(L"#32768") == nullptr) return false;
  // The menu opens under the pointer, which would select whatever entry it
  // rests on: off it, and Home to the first entry.
  RECT r;
  GetWindowRect(main_, &r);
  MovePointer({r.left + 1, r.top + 1});
  PressKey(VK_HOME, false);
  MenuPath path = PathTo(menuId);
  if (path.opener != 0) {
    // The submenu opens with its first entry selected.
    for (int i = 0; i < PathTo(path.opener).downs; ++i) PressKey(VK_DOWN, false);
    PressKey(VK_RIGHT, false);
  }
  for (int i = 0; i < path.downs; ++i) PressKey(VK_DOWN, false);
  if (beforeEnter) beforeEnter();
  PressKey(VK_RETURN, false);
  return WaitFor([&] { return WaitForWindow(L"#32768", 0ms) == nullptr; }, 5s);
}

HWND Kelvo::WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout) {
  HWND seen = nullptr;
  WaitFor(
      [&] {
        for (HWND w : TopWindows(process_->id(), className)) {
          if (IsWindowVisible(w)) seen = w;
        }
        return seen != nullptr;
      },
      timeout);
  return seen;
}

std::optional<MessageBoxSeen> Kelvo::WaitForMessageBox(std::chrono::milliseconds timeout) {
  MessageBoxSeen seen;
  bool found = WaitFor(
      [&] {
        for (HWND box : TopWindows(process_->id(), L"#32770")) {
          if (!IsWindowVisible(box)) continue;
          seen.window = box;
          seen.caption = WindowText16(box);
          // The longest static text is the message; the icon is a static without one.
          for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
               child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t className[32];
            GetClassNameW(child, className, 32);
            std::u16string text = WindowText16(child);
            if (lstrcmpiW(className, L"Static") == 0 && text.size() > seen.text.size())
              seen.text = text;
          }
          return true;
        }
        return false;
      },
      timeout);
  if (!found) return std::nullopt;
  return seen;
}

void Kelvo::Dismiss(const MessageBoxSeen& box) {
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, 5s);
}

bool Kelvo::Responsive() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &result) != 0;
}

void Kelvo::Close() {
  PostMessageW(main_, WM_CLOSE, 0, 0);
  process_->Wait(10s);
}

std::u16string WindowText16(HWND window) {
  auto length = SendTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  auto copied = SendTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::vector<HWND> TopWindows(DWORD processId, const wchar_t* className) {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
  } search{processId, className, {}};
  EnumWindows(
      [](HWND window, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64];
        GetClassNameW(window, name, 64);
        if (owner == s->processId && lstrcmpW(name, s->className) == 0) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace kelvo::e2e

namespace kelvo::e2e {

void PressKey(WORD virtualKey, bool withCtrl) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (withCtrl) key(VK_CONTROL, false);
  key(virtualKey, false);
  key(virtualKey, true);
  if (withCtrl) key(VK_CONTROL, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool FocusControl(HWND window, HWND control) {
  DWORD target = GetWindowThreadProcessId(window, nullptr);
  DWORD self = GetCurrentThreadId();
  AttachThreadInput(self, target, TRUE);
  SetForegroundWindow(window);
  SetFocus(control);
  AttachThreadInput(self, target, FALSE);
  return WaitFor([&] { return GetForegroundWindow() == window; }, 3s);
}

}  // namespace kelvo::e2e

namespace kelvo::e2e {

void TypeKeys(std::u16string_view text) {
  std::vector<INPUT> inputs;
  for (char16_t c : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

namespace {

// The pointer moved to a point of the screen, then the buttons' events.
void MouseInput(POINT at, std::initializer_list<DWORD> buttons) {
  // Absolute positions run from 0 to 65535 across the primary screen.
  auto absolute = [](LONG pixel, int extent) { return MulDiv(pixel, 65535, extent - 1); };
  std::vector<INPUT> inputs(1 + buttons.size());
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = absolute(at.x, GetSystemMetrics(SM_CXSCREEN));
  inputs[0].mi.dy = absolute(at.y, GetSystemMetrics(SM_CYSCREEN));
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  std::size_t i = 1;
  for (DWORD button : buttons) inputs[i++].mi.dwFlags = button;
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void RightClick(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MouseInput({(r.left + r.right) / 2, (r.top + r.bottom) / 2},
             {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
}

void MovePointer(POINT at) {
  MouseInput(at, {});
}

}  // namespace kelvo::e2e
