// The add, serial-number and target CAD dialogs as a user works them: opened
// from the editor's menu or the CAD button, filled by typing, closed with
// their buttons.

#include "app/main_form.h"
#include "app/main_form_table.h"
#include "cad/target_cad_form.h"
#include "tests/e2e/e2e_test_win.h"
#include "tools/add_form.h"
#include "tools/serial_form.h"

namespace kelvo::e2e {
namespace {

constexpr char16_t kAutoCad[] = u"AutoCAD.Application";

// The program's dialog of that class once it shows; nullptr if it does not.
HWND WaitForDialog(Kelvo& kelvo, const wchar_t* className) {
  HWND shown = nullptr;
  WaitFor([&] {
    for (HWND w : TopWindows(kelvo.process().id(), className)) {
      if (IsWindowVisible(w)) shown = w;
    }
    return shown != nullptr;
  });
  return shown;
}

// A control of a dialog, inside a group box too.
HWND DialogControl(HWND dialog, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (GetDlgCtrlID(w) != s->id) return TRUE;
        s->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Selects the field's text and types over it. Everything is posted, so that
// it reaches the program in the order a user's keys would.
void TypeOver(HWND edit, std::u16string_view text) {
  PostMessageW(edit, EM_SETSEL, 0, -1);
  for (char16_t c : text) PostMessageW(edit, WM_CHAR, c, 1);
}

void ClickButton(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

void MouseAt(POINT at, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
  SendInput(1, &input, sizeof input);
}

// Right-clicks the editor and chooses the command from its popup menu with
// the arrow keys and Enter, counting the menu's own lines to reach it.
bool ChooseFromEditorMenu(Kelvo& kelvo, int command) {
  std::vector<MenuEntry> entries = MenuEntries(MainFormCommands());
  int downs = 0;
  for (const MenuEntry& entry : entries) {
    if (entry.submenu != 0 || entry.id == 0) continue;
    ++downs;
    if (entry.id == command) break;
  }
  HWND editor = kelvo.Control(kIdMemo1);
  if (!FocusControl(kelvo.main(), editor)) return false;
  RECT r;
  GetWindowRect(editor, &r);
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  MouseAt(at, MOUSEEVENTF_RIGHTDOWN);
  MouseAt(at, MOUSEEVENTF_RIGHTUP);
  if (WaitForDialog(kelvo, L"#32768") == nullptr) return false;
  for (int i = 0; i < downs; ++i) PressKey(VK_DOWN, false);
  PressKey(VK_RETURN, false);
  return true;
}

std::string FileBytes(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(1 << 12, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

std::u16string IniValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(section, key, L"<missing>", value, 256, path.c_str());
  return reinterpret_cast<const char16_t*>(value);
}

TEST_F(E2eTest, AddToAllNumbersFromTheEditorMenuWithATypedAddend) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"No.009\r\nA-99");
  ASSERT_TRUE(ChooseFromEditorMenu(kelvo, kIdN14));
  HWND dialog = WaitForDialog(kelvo, L"TKelvoKasanForm");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText16(dialog), u"加算");
  TypeOver(DialogControl(dialog, add_dialog::kIdEdit1), u"11");
  ClickButton(DialogControl(dialog, add_dialog::kIdButton1));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"No.020\r\nA-110"; }))
      << kelvo.Text(kIdMemo1).size();
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Enabled(kIdSpeedButton4); }));
  EXPECT_FALSE(kelvo.WaitForMessageBox(0ms).has_value());
}

TEST_F(E2eTest, SerialNumbersTypedIntoTheDialogAreAppended) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"top");
  ASSERT_TRUE(ChooseFromEditorMenu(kelvo, kIdN17));
  HWND dialog = WaitForDialog(kelvo, L"TKelvoRenbanForm");
  ASSERT_NE(dialog, nullptr);
  TypeOver(DialogControl(dialog, serial_dialog::kIdEdit1), u"A-");
  TypeOver(DialogControl(dialog, serial_dialog::kIdEdit2), u"01");
  TypeOver(DialogControl(dialog, serial_dialog::kIdEdit4), u"3");
  HWND preview = DialogControl(dialog, serial_dialog::kIdStaticText1);
  EXPECT_TRUE(WaitFor([&] { return WindowText16(preview) == u"[ A-01 ] ～ [ A-03 ]"; }));
  ClickButton(DialogControl(dialog, serial_dialog::kIdButton1));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"top\r\nA-01\r\nA-02\r\nA-03"; }))
      << kelvo.Text(kIdMemo1).size();
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
  EXPECT_FALSE(kelvo.WaitForMessageBox(0ms).has_value());
}

// A CAD that runs only under another ProgID is reached once the user names it
// in the dialog, and stays the target at the next start.
TEST_F(E2eTest, TargetChosenInTheDialogIsFetchedFromAndKeptForTheNextStart) {
  SimCad cad(false, kAutoCad);
  auto a = cad.AddText(u"A-1", 0, 20);
  auto b = cad.AddText(u"A-2", 0, 10);
  cad.QueuePicks({a, b});
  Kelvo kelvo;
  kelvo.Start();
  EXPECT_EQ(WindowText16(kelvo.main()), u"KelvoEdit");

  kelvo.Click(kIdSpeedButton7);
  HWND dialog = WaitForDialog(kelvo, L"TTargetCADForm");
  ASSERT_NE(dialog, nullptr);
  HWND list = DialogControl(dialog, target_cad::kIdListBox1);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
  TypeOver(DialogControl(dialog, target_cad::kIdEdit1), u"AutoCAD");
  TypeOver(DialogControl(dialog, target_cad::kIdEdit2), kAutoCad);
  ClickButton(DialogControl(dialog, target_cad::kIdSpeedButton1));
  const std::wstring listFile = kelvo.folder() + L"\\TargetCAD_APIVersion.txt";
  EXPECT_TRUE(WaitFor([&] { return FileBytes(listFile) == "AutoCAD\tAutoCAD.Application\r\n"; }))
      << FileBytes(listFile);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
  ClickButton(DialogControl(dialog, target_cad::kIdButton1));
  EXPECT_TRUE(WaitFor([&] { return WindowText16(kelvo.main()) == u"KelvoEdit [ AutoCAD ]"; }));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));

  kelvo.Click(kIdSpeedButton1);
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"A-1\r\nA-2"; }))
      << kelvo.Text(kIdMemo1).size();
  EXPECT_FALSE(kelvo.WaitForMessageBox(500ms).has_value());
  kelvo.Close();
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"Target", L"ProgID"), kAutoCad);

  Kelvo again(kelvo.folder());
  again.Start();
  EXPECT_EQ(WindowText16(again.main()), u"KelvoEdit [ AutoCAD ]");
  cad.QueuePicks({b, a});
  again.Click(kIdSpeedButton1);
  EXPECT_TRUE(WaitFor([&] { return again.Text(kIdMemo1) == u"A-1\r\nA-2"; }));
}

}  // namespace
}  // namespace kelvo::e2e
