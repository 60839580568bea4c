// The demo: the simulated CAD with its sample drawing and KelvoEditX beside it.
// With --interactive it leaves both to the person at the display; otherwise it
// performs a short scripted session and prints "SHOT <name>" at each moment
// worth a screenshot, pausing so that the caller can take it.

#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "app/main_form_table.h"
#include "base/error.h"
#include "base/text.h"
#include "base/com_handles_win.h"
#include "tests/e2e/driver_win.h"
#include "cad/target_cad_form.h"
#include "tools/add_form.h"
#include "tools/replace_form.h"
#include "tools/serial_form.h"

namespace kelvo::e2e {
namespace {

void Shot(const char* name) {
  // A moment first: the windows paint only once their programs are idle.
  std::this_thread::sleep_for(500ms);
  std::printf("SHOT %s\n", name);
  std::fflush(stdout);
  std::this_thread::sleep_for(1500ms);
}

void Step(const char* what) {
  std::printf("%s\n", what);
  std::fflush(stdout);
}

std::vector<std::int64_t> Ids(SimCad& cad, bool (*wanted)(const std::u16string&)) {
  std::vector<std::int64_t> ids;
  for (const sim::Entity& e : cad.Drawing()) {
    if (e.kind == sim::EntityKind::Text && wanted(e.text)) ids.push_back(e.id);
  }
  return ids;
}

bool IsTag(const std::u16string& text) {
  return text.rfind(u"No.", 0) == 0 || text.rfind(u"No-", 0) == 0;
}
bool IsRoom(const std::u16string& text) {
  for (const char16_t* room : {u"会議室", u"応接室", u"事務室", u"倉庫", u"更衣室"}) {
    if (text == room) return true;
  }
  return false;
}

void SetField(HWND dialog, int id, const wchar_t* text) {
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// A command has finished when its abort button is disabled again.
void WaitForTheRun(Kelvo& kelvo) {
  WaitFor([&] { return kelvo.Enabled(kIdSpeedButton5); }, 5s);
  WaitFor([&] { return !kelvo.Enabled(kIdSpeedButton5); }, 60s);
}

int Run(bool interactive) {
  ComApartment apartment;
  SimCad cad(true);
  Kelvo kelvo;
  // Beside the CAD's window, which takes the right half of the screen.
  WritePrivateProfileStringW(L"KelvoEdit", L"Left", L"60", kelvo.IniPath().c_str());
  WritePrivateProfileStringW(L"KelvoEdit", L"Top", L"120", kelvo.IniPath().c_str());
  kelvo.Start();
  if (interactive) {
    Step(
        "KelvoEditX and the simulated CAD are running. Press 取得, pick texts in the CAD window "
        "(Enter ends the picking), edit the lines and press Ctrl+Enter. Close KelvoEditX to end.");
    kelvo.process().Wait(std::chrono::hours(24));
    return 0;
  }
  Shot("01-start");

  Step("fetch the numbered tags");
  cad.QueuePicks(Ids(cad, IsTag));
  kelvo.Click(kIdSpeedButton1);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"No.008") != std::u16string::npos; });
  Shot("02-fetched-tags");

  Step("renumber them and add two more, then update");
  std::u16string lines;
  for (int n = 101; n <= 110; ++n) lines += u"No." + ToU16(n) + u"\r\n";
  kelvo.SetText(kIdMemo1, lines);
  kelvo.Click(kIdSpeedButton2);
  WaitForTheRun(kelvo);
  Shot("03-updated");

  Step("fetch the room names and align them at a wider pitch");
  cad.QueuePicks(Ids(cad, IsRoom));
  kelvo.Click(kIdSpeedButton1);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"更衣室") != std::u16string::npos; });
  Shot("04-fetched-rooms");
  kelvo.SetText(kIdEdit1, u"0.00");
  kelvo.SetText(kIdEdit2, u"-15.00");
  kelvo.Type(kIdEdit2, u"\r");
  WaitFor(
      [&] {
        for (const sim::Entity& e : cad.Drawing()) {
          if (e.text == u"更衣室") return e.insertion[1] == -60;
        }
        return false;
      },
      30s);
  // The last text moves before the run's end steps: wait for those too.
  WaitFor([&] { return !kelvo.Enabled(kIdSpeedButton5) && !kelvo.Visible(kIdLabel2); }, 30s);
  Shot("05-aligned");

  Step("fetch the tags again, replace \"No.\" with \"No-\" through the replace dialog, update");
  cad.QueuePicks(Ids(cad, IsTag));
  kelvo.Click(kIdSpeedButton1);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"No.110") != std::u16string::npos; });
  if (!kelvo.ChooseFromMenu(kIdN7)) throw Error(u"the popup menu did not open");
  HWND dialog = kelvo.WaitForWindow(L"TKelvoTikanForm");
  if (dialog == nullptr) throw Error(u"the replace dialog did not show");
  SendMessageW(GetDlgItem(dialog, replace_dialog::kIdEdit1), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"No."));
  SendMessageW(GetDlgItem(dialog, replace_dialog::kIdEdit2), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"No-"));
  Shot("06-replace-dialog");
  PostMessageW(GetDlgItem(dialog, replace_dialog::kIdButton1), BM_CLICK, 0, 0);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"No-110") != std::u16string::npos; });
  Shot("07-replaced");
  kelvo.Click(kIdSpeedButton2);
  WaitForTheRun(kelvo);
  Shot("08-replaced-in-the-drawing");

  Step("all lines to full width from the popup menu");
  kelvo.ChooseFromMenu(kIdN1, [] { Shot("09-popup-menu"); });
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"Ｎｏ－１１０") != std::u16string::npos; });
  Shot("10-full-width");

  Step("fetch the tags again and add 100 to their numbers");
  cad.QueuePicks(Ids(cad, IsTag));
  kelvo.Click(kIdSpeedButton1);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"No-110") != std::u16string::npos; });
  if (!kelvo.ChooseFromMenu(kIdN14)) throw Error(u"the popup menu did not open");
  dialog = kelvo.WaitForWindow(L"TKelvoKasanForm");
  if (dialog == nullptr) throw Error(u"the add dialog did not show");
  SetField(dialog, add_dialog::kIdEdit1, L"100");
  Shot("11-add-dialog");
  PostMessageW(GetDlgItem(dialog, add_dialog::kIdButton1), BM_CLICK, 0, 0);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"No-210") != std::u16string::npos; });
  Shot("12-added");

  Step("append three serial-number lines, then update: they become copies at the pitch");
  if (!kelvo.ChooseFromMenu(kIdN17)) throw Error(u"the popup menu did not open");
  dialog = kelvo.WaitForWindow(L"TKelvoRenbanForm");
  if (dialog == nullptr) throw Error(u"the serial-number dialog did not show");
  SetField(dialog, serial_dialog::kIdEdit1, L"No-");
  SetField(dialog, serial_dialog::kIdEdit2, L"211");
  SetField(dialog, serial_dialog::kIdEdit4, L"3");
  Shot("13-serial-dialog");
  PostMessageW(GetDlgItem(dialog, serial_dialog::kIdButton1), BM_CLICK, 0, 0);
  WaitFor([&] { return kelvo.Text(kIdMemo1).find(u"No-213") != std::u16string::npos; });
  Shot("14-serial-lines");
  kelvo.Click(kIdSpeedButton2);
  WaitForTheRun(kelvo);
  Shot("15-drawing-after-update");

  Step("one undo in the CAD takes the whole update back");
  Get(cad.app(), u"SimUndo");
  Shot("16-undone-in-the-cad");

  Step("name the target CAD in the target dialog");
  kelvo.Click(kIdSpeedButton7);
  dialog = kelvo.WaitForWindow(L"TTargetCADForm");
  if (dialog == nullptr) throw Error(u"the target dialog did not show");
  SetField(dialog, target_cad::kIdEdit1, L"BricsCAD (シミュレーター)");
  SetField(dialog, target_cad::kIdEdit2, L"BricscadApp.AcadApplication");
  PostMessageW(GetDlgItem(dialog, target_cad::kIdSpeedButton1), BM_CLICK, 0, 0);
  WaitFor([&] {
    return SendMessageW(GetDlgItem(dialog, target_cad::kIdListBox1), LB_GETCOUNT, 0, 0) > 0;
  });
  Shot("17-target-dialog");
  PostMessageW(GetDlgItem(dialog, target_cad::kIdButton1), BM_CLICK, 0, 0);
  WaitFor([&] { return WindowText16(kelvo.main()) != u"KelvoEdit"; });
  Shot("18-target-named");
  kelvo.Close();
  return 0;
}

}  // namespace
}  // namespace kelvo::e2e

int main(int argc, char** argv) {
  bool interactive = argc > 1 && std::string(argv[1]) == "--interactive";
  try {
    return kelvo::e2e::Run(interactive);
  } catch (const kelvo::Error& e) {
    std::printf("demo failed: %s\n", e.what());
    return 1;
  }
}
