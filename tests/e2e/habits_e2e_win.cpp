// What users of Windows tools expect: Esc and the close box leave every
// dialog as "取り消し" would, Tab walks its controls in order, and one undo in
// the CAD takes back a whole run.

#include <algorithm>

#include "app/main_form_table.h"
#include "cad/target_cad_form.h"
#include "tests/e2e/e2e_test_win.h"
#include "tools/add_form.h"
#include "tools/replace_form.h"
#include "tools/serial_form.h"

namespace kelvo::e2e {
namespace {

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void PressShiftTab() {
  INPUT inputs[4] = {};
  WORD keys[4] = {VK_SHIFT, VK_TAB, VK_TAB, VK_SHIFT};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, inputs, sizeof(INPUT));
}

struct DialogCase {
  const char* name;
  const wchar_t* className;
  int command;  // the main window's command that opens it
  const WindowTable* table;
};

HWND WaitForDialog(Kelvo& kelvo, const wchar_t* className) {
  HWND dialog = nullptr;
  WaitFor([&] {
    for (HWND w : TopWindows(kelvo.process().id(), className)) {
      if (IsWindowVisible(w)) dialog = w;
    }
    return dialog != nullptr;
  });
  return dialog;
}

// The position of the focused control in its dialog's table.
int RowOf(const WindowTable& table, HWND dialog) {
  int id = GetDlgCtrlID(FocusOf(dialog));
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    if (table.rows[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

TEST_F(E2eTest, EscTabAndTheCloseBoxInEveryDialog) {
  const DialogCase cases[] = {
      {"target", L"TTargetCADForm", kIdSpeedButton7, &kTargetCadWindowTable},
      {"replace", L"TKelvoTikanForm", kIdN7, &kReplaceWindowTable},
      {"add", L"TKelvoKasanForm", kIdN14, &kAddWindowTable},
      {"serial", L"TKelvoRenbanForm", kIdN17, &kSerialWindowTable},
  };
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"No.1\r\nNo.2");
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool closeBox : {false, true}) {
      if (c.command == kIdSpeedButton7) {
        kelvo.Click(c.command);
      } else {
        kelvo.Command(c.command);
      }
      HWND dialog = WaitForDialog(kelvo, c.className);
      ASSERT_NE(dialog, nullptr);
      if (!closeBox) {
        ASSERT_TRUE(FocusControl(dialog, FocusOf(dialog)));
        // Tab moves on through the table's order, Shift+Tab back.
        int first = RowOf(*c.table, dialog);
        ASSERT_GE(first, 0);
        PressKey(VK_TAB, false);
        ASSERT_TRUE(WaitFor([&] { return RowOf(*c.table, dialog) != first; }));
        int second = RowOf(*c.table, dialog);
        EXPECT_GT(second, first);
        PressShiftTab();
        EXPECT_TRUE(WaitFor([&] { return RowOf(*c.table, dialog) == first; }));
        PressKey(VK_ESCAPE, false);
      } else {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
      }
      ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
      EXPECT_TRUE(WaitFor([&] {
        return (GetWindowLongPtrW(kelvo.main(), GWL_EXSTYLE) & WS_EX_TOPMOST) == WS_EX_TOPMOST;
      }));
      EXPECT_EQ(kelvo.Text(kIdMemo1), u"No.1\r\nNo.2");
      EXPECT_EQ(WindowText16(kelvo.main()), u"KelvoEdit");
    }
  }
  EXPECT_TRUE(kelvo.Responsive());
}

TEST_F(E2eTest, OneUndoInTheCadTakesBackAWholeUpdate) {
  SimCad cad;
  std::vector<std::int64_t> ids{cad.AddText(u"A", 0, 0), cad.AddText(u"B", 10, 0),
                                cad.AddText(u"C", 20, 0)};
  cad.QueuePicks(ids);
  Kelvo kelvo;
  kelvo.Start();
  kelvo.Click(kIdSpeedButton1);
  ASSERT_TRUE(WaitFor([&] { return kelvo.Enabled(kIdSpeedButton6); }));
  std::vector<sim::Entity> before = cad.Drawing();
  kelvo.SetText(kIdMemo1, u"A2\r\n\r\nC\r\nD\r\nE");
  kelvo.Click(kIdSpeedButton2);
  ASSERT_TRUE(WaitFor([&] { return cad.Drawing().size() == 4; }));
  // The step closes once the run has ended, after its end steps.
  ASSERT_TRUE(WaitFor([&] { return Get(cad.app(), u"SimOpenUndoMarks").ToInt32() == 0; }));
  EXPECT_EQ(Get(cad.app(), u"SimUndoSteps").ToInt32(), 1);
  Get(cad.app(), u"SimUndo");
  EXPECT_EQ(cad.Drawing(), before);
}

}  // namespace
}  // namespace kelvo::e2e
