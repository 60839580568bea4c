#pragma once
// Recording fakes for the platform seams, shared by the scenario tests.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/profile.h"
#include "base/error.h"
#include "base/files.h"
#include "base/portable_locale.h"
#include "cad/cad_platform.h"
#include "ui/window.h"

namespace kelvo::test {

class FakeWindow : public Window {
 public:
  explicit FakeWindow(WindowHandle handle, WindowRect bounds = {0, 0, 333, 279})
      : handle_(handle), bounds_(bounds) {}
  WindowHandle Handle() const override { return handle_; }
  std::u16string Caption() const override { return caption_; }
  void SetCaption(std::u16string_view caption) override { caption_ = caption; }
  void SetTopmost(bool topmost, bool activate) override {
    topmost_ = topmost;
    log->push_back(name + (topmost ? ".topmost" : ".notopmost") + (activate ? "+activate" : ""));
  }
  WindowRect RestoredBounds() const override { return bounds_; }
  void MoveTo(int left, int top) override {
    bounds_.left = left;
    bounds_.top = top;
  }
  ModalResult ShowModal() override {
    log->push_back(name + ".modal");
    if (onModal) onModal();
    return modalResult;
  }
  void EndModal(ModalResult result) override {
    log->push_back(name + ".end");
    endedWith = result;
  }
  ModalResult endedWith = ModalResult::None;
  void Destroy() override {
    log->push_back(name + ".destroy");
    destroyed = true;
  }
  bool destroyed = false;

  bool topmost() const { return topmost_; }
  std::string name = "window";
  std::vector<std::string>* log = &ownLog;
  std::vector<std::string> ownLog;
  ModalResult modalResult = ModalResult::Cancel;
  std::function<void()> onModal;

 private:
  WindowHandle handle_;
  WindowRect bounds_;
  std::u16string caption_;
  bool topmost_ = false;
};

struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  MessageStyle style;
};

class RecordingMessages : public Messages {
 public:
  void ProcessMessages() override {
    ++pumps;
    if (onPump) onPump();
  }
  void ShowMessage(std::u16string_view text, std::u16string_view caption,
                   MessageStyle style) override {
    shown.push_back({std::u16string(text), std::u16string(caption), style});
  }
  int pumps = 0;
  std::function<void()> onPump;
  std::vector<ShownMessage> shown;
};

// Records every window call in order; the foreground and minimised states are set by the test.
class FakeDesktop : public Desktop {
 public:
  bool IsIconic(WindowHandle w) override {
    Record("IsIconic", w);
    return iconic.count(w) > 0 && iconic[w];
  }
  void OpenIcon(WindowHandle w) override {
    Record("OpenIcon", w);
    iconic[w] = false;
  }
  void SetForegroundWindow(WindowHandle w) override {
    Record("SetForegroundWindow", w);
    if (foregroundFollows) foreground = w;
  }
  WindowHandle GetForegroundWindow() override {
    Record("GetForegroundWindow", 0);
    return foreground;
  }
  std::uint32_t GetWindowThreadProcessId(WindowHandle w) override {
    Record("GetWindowThreadProcessId", w);
    return threads.count(w) > 0 ? threads[w] : 0;
  }
  void AttachThreadInput(std::uint32_t a, std::uint32_t b, bool on) override {
    calls.push_back("AttachThreadInput(" + std::to_string(a) + "," + std::to_string(b) + "," +
                    (on ? "1" : "0") + ")");
  }
  void BringWindowToTop(WindowHandle w) override { Record("BringWindowToTop", w); }
  void PressEscape() override {
    calls.push_back("PressEscape");
    ++escapes;
  }
  void Sleep(std::uint32_t ms) override { calls.push_back("Sleep(" + std::to_string(ms) + ")"); }
  bool IsCtrlDown() override { return ctrlDown; }

  std::vector<std::string> calls;
  std::map<WindowHandle, bool> iconic;
  std::map<WindowHandle, std::uint32_t> threads;
  WindowHandle foreground = 0;
  bool foregroundFollows = true;  // SetForegroundWindow succeeds
  bool ctrlDown = false;
  int escapes = 0;

 private:
  void Record(const char* name, WindowHandle w) {
    calls.push_back(std::string(name) + "(" + std::to_string(w) + ")");
  }
};

class FakeMessageFilterHost : public MessageFilterHost {
 public:
  void Install() override { ++installs; }
  void Remove() override { ++removals; }
  int installs = 0;
  int removals = 0;
};

// An INI file in memory: sections and keys as the profile functions see them.
class MemoryProfile : public Profile {
 public:
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) override {
    auto it = values.find({std::u16string(section), std::u16string(key)});
    return it == values.end() ? std::u16string(defaultValue) : it->second;
  }
  void WriteString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override {
    if (failWrites) throw Error(u"C:\\ro\\KelvoEditX.ini に書き込めません");
    writes.push_back(std::u16string(section) + u"/" + std::u16string(key));
    values[{std::u16string(section), std::u16string(key)}] = value;
  }
  int PrimaryScreenWidth() override { return screenWidth; }
  int PrimaryScreenHeight() override { return screenHeight; }

  std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
  std::vector<std::u16string> writes;
  bool failWrites = false;
  int screenWidth = 1280;
  int screenHeight = 1024;
};

// Whole files in memory, keyed by path. A failed write keeps the old content,
// as the real replacement does.
class MemoryFiles : public Files {
 public:
  std::optional<std::string> Read(std::u16string_view path) override {
    if (failReads) throw Error(std::u16string(path) + u" を読み込めません");
    auto it = files.find(std::u16string(path));
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  void Replace(std::u16string_view path, std::string_view bytes) override {
    if (failWrites) throw Error(std::u16string(path) + u" に書き込めません");
    writes.emplace_back(path);
    files[std::u16string(path)] = bytes;
  }

  std::map<std::u16string, std::string> files;
  std::vector<std::u16string> writes;  // paths replaced, in order
  bool failReads = false;
  bool failWrites = false;
};

// The portable locale with a decimal separator a test can change.
class TestLocale : public PortableLocale {
 public:
  char16_t DecimalSeparator() const override { return separator; }
  char16_t separator = u'.';
};

}  // namespace kelvo::test
