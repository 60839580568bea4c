#pragma once
// The main window built on in-memory widgets, with the simulated CAD running
// under the default ProgID. Handlers are run through the program's catch point.

#include <map>
#include <memory>
#include <set>
#include <string>

#include "ui/error_report.h"
#include "app/main_form.h"
#include "cad/connection.h"
#include "sim/drawing.h"
#include "sim/sim_objects.h"
#include "support/fakes.h"
#include "ui/memory_widget_set.h"

namespace kelvo::test {

// The running object table: ProgIDs the system knows, and which of them run.
class SimRunningObjects : public RunningObjects {
 public:
  bool IsRunning(std::u16string_view progId) override {
    Resolve(progId);
    return running.count(std::u16string(progId)) > 0;
  }
  ObjectRef Attach(std::u16string_view progId) override {
    Resolve(progId);
    auto it = running.find(std::u16string(progId));
    if (it == running.end()) throw Error(u"操作を利用できません");
    return it->second;
  }
  std::set<std::u16string> registered;
  std::map<std::u16string, ObjectRef> running;

 private:
  void Resolve(std::u16string_view progId) {
    if (registered.count(std::u16string(progId)) == 0) throw Error(u"無効なクラス文字列です");
  }
};

inline constexpr WindowHandle kMainWindowHandle = 0x10010;
inline constexpr WindowHandle kTargetDialogHandle = 0x10020;
inline constexpr WindowHandle kReplaceDialogHandle = 0x10030;
inline constexpr WindowHandle kAddDialogHandle = 0x10040;
inline constexpr WindowHandle kSerialDialogHandle = 0x10050;
inline constexpr char16_t kTargetListPath[] = u"C:\\tools\\TargetCAD_APIVersion.txt";

// One dialog on in-memory widgets: its widgets, its window and its form.
template <typename Form>
struct DialogHarness {
  template <typename... Extra>
  DialogHarness(const WindowTable& table, WindowHandle handle, const char* name,
                std::vector<std::string>& zOrder, Messages& messages, const Locale& locale,
                MemoryClipboard& clipboard, const Extra&... extra)
      : widgets(table, {}, locale, &clipboard),
        window(handle),
        form(widgets, window, messages, extra...) {
    window.name = name;
    window.log = &zOrder;
  }
  // Fires an event by id as the window does: a click first does to the
  // control what a user's click does.
  bool Fire(int id, Event event = Event::Click, char16_t* key = nullptr) {
    if (event == Event::Click && !widgets.Click(id)) return false;
    return form.Events().Fire(id, event, key);
  }
  MemoryWidgetSet widgets;
  FakeWindow window;
  Form form;
};

struct MainFormHarness {
  MainFormHarness() {
    EntityList.clear();
    TargetProgID = kDefaultProgID;
    running.registered.insert(kDefaultProgID);
    running.running[kDefaultProgID] = sim::MakeApplication(drawing);
    desktop.threads[kMainWindowHandle] = 1;
    desktop.threads[drawing->WindowHandle()] = 2;
    window.log = &zOrder;
    form.Dispatch([this] { form.FormCreate(); });
    replace.form.FormCreate();
    serial.form.FormCreate();
  }
  ~MainFormHarness() {
    EntityList.clear();
    TargetProgID = kDefaultProgID;
  }

  // Runs a handler as the shell does: failures end in the default error report.
  void Run(void (TKelvoMainForm::*handler)()) {
    form.Dispatch([&] { (form.*handler)(); });
  }
  // Fires an event by id as the window does: a click first does to the
  // control what a user's click does.
  bool Fire(int id, Event event = Event::Click, char16_t* key = nullptr) {
    if (event == Event::Click && !widgets.Click(id)) return false;
    return form.Events().Fire(id, event, key);
  }
  // Picks the given texts in the next fetch and runs it.
  void Fetch(std::vector<std::int64_t> ids) {
    drawing->QueuePicks(std::move(ids));
    Fire(kIdSpeedButton1);
  }

  std::shared_ptr<sim::Drawing> drawing = std::make_shared<sim::Drawing>();
  MemoryClipboard clipboard;
  TestLocale locale;
  RecordingMessages messages;
  std::vector<std::string> zOrder;
  MemoryWidgetSet widgets{kMainWindowTable, MenuEntries(MainFormCommands()), locale, &clipboard};

  MemoryButton& SpeedButton1 = widgets.as<MemoryButton>(kIdSpeedButton1);
  MemoryButton& SpeedButton2 = widgets.as<MemoryButton>(kIdSpeedButton2);
  MemoryButton& SpeedButton6 = widgets.as<MemoryButton>(kIdSpeedButton6);
  MemoryButton& SpeedButton7 = widgets.as<MemoryButton>(kIdSpeedButton7);
  MemoryButton& SpeedButton3 = widgets.as<MemoryButton>(kIdSpeedButton3);
  MemoryButton& SpeedButton5 = widgets.as<MemoryButton>(kIdSpeedButton5);
  MemoryButton& SpeedButton4 = widgets.as<MemoryButton>(kIdSpeedButton4);
  MemoryLabel& Label1 = widgets.as<MemoryLabel>(kIdLabel1);
  MemoryLabel& Label2 = widgets.as<MemoryLabel>(kIdLabel2);
  MemoryEdit& Edit1 = widgets.as<MemoryEdit>(kIdEdit1);
  MemoryEdit& Edit2 = widgets.as<MemoryEdit>(kIdEdit2);
  MemoryCheckBox& CheckBox1 = widgets.as<MemoryCheckBox>(kIdCheckBox1);
  MemoryMemo& Memo2 = widgets.as<MemoryMemo>(kIdMemo2);
  MemoryMemo& Memo1 = widgets.as<MemoryMemo>(kIdMemo1);
  MemoryStatusBar& StatusBar1 = widgets.as<MemoryStatusBar>(kIdStatusBar1);
  MemoryTimer& Timer1 = widgets.as<MemoryTimer>(kIdTimer1);
  MemoryMenuItem& N1 = widgets.as<MemoryMenuItem>(kIdN1);
  MemoryMenuItem& N2 = widgets.as<MemoryMenuItem>(kIdN2);
  MemoryMenuItem& N4 = widgets.as<MemoryMenuItem>(kIdN4);
  MemoryMenuItem& N5 = widgets.as<MemoryMenuItem>(kIdN5);
  MemoryMenuItem& N7 = widgets.as<MemoryMenuItem>(kIdN7);
  MemoryMenuItem& N8 = widgets.as<MemoryMenuItem>(kIdN8);
  MemoryMenuItem& N10 = widgets.as<MemoryMenuItem>(kIdN10);
  MemoryMenuItem& N11 = widgets.as<MemoryMenuItem>(kIdN11);
  MemoryMenuItem& N14 = widgets.as<MemoryMenuItem>(kIdN14);
  MemoryMenuItem& N15 = widgets.as<MemoryMenuItem>(kIdN15);

  MemoryFiles files;
  TargetListFile targetList{files, locale, kTargetListPath};
  DialogHarness<TTargetCADForm> target{kTargetCadWindowTable,
                                       kTargetDialogHandle,
                                       "dialog",
                                       zOrder,
                                       messages,
                                       locale,
                                       clipboard,
                                       targetList};
  DialogHarness<TKelvoTikanForm> replace{
      kReplaceWindowTable, kReplaceDialogHandle, "replace", zOrder, messages, locale, clipboard};
  DialogHarness<TKelvoKasanForm> add{kAddWindowTable, kAddDialogHandle, "add",    zOrder,
                                     messages,        locale,           clipboard};
  DialogHarness<TKelvoRenbanForm> serial{
      kSerialWindowTable, kSerialDialogHandle, "serial", zOrder, messages, locale, clipboard};
  FakeWindow& targetDialog = target.window;

  FakeWindow window{kMainWindowHandle};
  FakeDesktop desktop;
  SimRunningObjects running;
  FakeMessageFilterHost messageFilter;
  MemoryProfile profile;

  TKelvoMainForm form{
      widgets,
      MainFormServices{{messages, desktop, running, messageFilter, profile, locale, targetList},
                       window,
                       {target.form, replace.form, add.form, serial.form}}};
};

}  // namespace kelvo::test
