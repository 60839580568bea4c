#pragma once
// The main window built on in-memory widgets, with the simulated CAD running
// under the default ProgID. Handlers are run through the program's catch point.

#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/error_report.h"
#include "app/main_form.h"
#include "app/main_layout.h"
#include "cad/connection.h"
#include "sim/drawing.h"
#include "sim/sim_objects.h"
#include "support/fakes.h"
#include "ui/memory_widgets.h"

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

struct MainFormHarness {
  MainFormHarness() {
    EntityList.clear();
    TargetProgID = kDefaultProgID;
    running.registered.insert(kDefaultProgID);
    running.running[kDefaultProgID] = sim::MakeApplication(drawing);
    desktop.threads[kMainWindowHandle] = 1;
    desktop.threads[drawing->WindowHandle()] = 2;
    ApplyLayout();
    window.log = &zOrder;
    targetDialog.log = &zOrder;
    targetDialog.name = "dialog";
    form.FormCreate();
  }
  ~MainFormHarness() {
    EntityList.clear();
    TargetProgID = kDefaultProgID;
  }

  // Runs a handler as the shell does: failures end in the default error report.
  void Run(void (TKelvoMainForm::*handler)()) {
    form.Dispatch([&] { (form.*handler)(); });
  }
  // Picks the given texts in the next fetch and runs it.
  void Fetch(std::vector<std::int64_t> ids) {
    drawing->QueuePicks(std::move(ids));
    Run(&TKelvoMainForm::SpeedButton1Click);
  }

  std::shared_ptr<sim::Drawing> drawing = std::make_shared<sim::Drawing>();
  MemoryClipboard clipboard;
  MemoryButton SpeedButton1, SpeedButton2, SpeedButton6, SpeedButton7, SpeedButton3, SpeedButton5,
      SpeedButton4;
  MemoryLabel Label3, Label4, Label1, Label2;
  MemoryEdit Edit1, Edit2;
  MemoryCheckBox CheckBox1;
  MemoryMemo Memo2{nullptr, 10};
  MemoryMemo Memo1{&clipboard, 10};
  MemoryStatusBar StatusBar1;
  MemoryTimer Timer1;
  MemoryMenuItem N1, N2, N4, N5, N7, N8, N10, N11, N14, N15;

  std::vector<std::string> zOrder;
  FakeWindow window{kMainWindowHandle};
  FakeWindow targetDialog{kTargetDialogHandle};
  RecordingMessages messages;
  FakeDesktop desktop;
  SimRunningObjects running;
  FakeMessageFilterHost messageFilter;
  MemoryProfile profile;
  TestLocale locale;

  TKelvoMainForm form{
      MainFormControls{SpeedButton1, SpeedButton2, SpeedButton6, Label3,       Edit1,
                       Label4,       Edit2,        Label1,       Label2,       SpeedButton7,
                       CheckBox1,    SpeedButton3, SpeedButton5, SpeedButton4, Memo2,
                       Memo1,        StatusBar1,   Timer1,       N1,           N2,
                       N4,           N5,           N7,           N8,           N10,
                       N11,          N14,          N15},
      MainFormServices{window, targetDialog, messages, desktop, running, messageFilter, profile,
                       locale}};

 private:
  void ApplyLayout() {
    std::map<int, Control*> controls{{kIdSpeedButton1, &SpeedButton1},
                                     {kIdSpeedButton2, &SpeedButton2},
                                     {kIdSpeedButton6, &SpeedButton6},
                                     {kIdLabel3, &Label3},
                                     {kIdEdit1, &Edit1},
                                     {kIdLabel4, &Label4},
                                     {kIdEdit2, &Edit2},
                                     {kIdLabel1, &Label1},
                                     {kIdLabel2, &Label2},
                                     {kIdSpeedButton7, &SpeedButton7},
                                     {kIdCheckBox1, &CheckBox1},
                                     {kIdSpeedButton3, &SpeedButton3},
                                     {kIdSpeedButton5, &SpeedButton5},
                                     {kIdSpeedButton4, &SpeedButton4},
                                     {kIdMemo2, &Memo2},
                                     {kIdMemo1, &Memo1},
                                     {kIdStatusBar1, &StatusBar1}};
    for (const ControlLayout& c : kMainLayout) {
      auto it = controls.find(c.id);
      if (it == controls.end()) continue;
      it->second->SetEnabled(c.enabled);
      it->second->SetVisible(c.visible);
      if (auto* button = dynamic_cast<MemoryButton*>(it->second)) button->SetCaption(c.caption);
    }
    CheckBox1.SetChecked(true);
  }
};

}  // namespace kelvo::test
