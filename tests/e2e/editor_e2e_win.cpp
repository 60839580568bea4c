// The editor surface and the settings file, on the real controls.

#include <fstream>
#include <sstream>

#include "app/main_form_table.h"
#include "tests/e2e/e2e_test_win.h"

namespace kelvo::e2e {
namespace {

std::wstring IniValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(section, key, L"<missing>", value, 256, path.c_str());
  return value;
}

std::string FileBytes(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(1 << 16, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

TEST_F(E2eTest, FirstStartIsCentredAndClosingWritesTheFourKeys) {
  Kelvo kelvo;
  kelvo.Start();
  RECT r;
  GetWindowRect(kelvo.main(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
  EXPECT_EQ(SendMessageW(kelvo.Control(kIdCheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
  kelvo.Close();
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Left"), std::to_wstring(r.left));
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Top"), std::to_wstring(r.top));
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Sort"), L"1");
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"Target", L"ProgID"), L"BricscadApp.AcadApplication");
}

TEST_F(E2eTest, RestartsWhereItWasAndKeepsLinesItDoesNotKnow) {
  Kelvo kelvo;
  WriteFileBytes(kelvo.IniPath(),
                 "; notes of the user\r\n[Other]\r\nkeep=me\r\n[KelvoEdit]\r\nLeft=100\r\n"
                 "Top=$50\r\nSort=0\r\nColour=blue\r\n[Target]\r\nProgID=AutoCAD.Application\r\n");
  kelvo.Start();
  RECT r;
  GetWindowRect(kelvo.main(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(SendMessageW(kelvo.Control(kIdCheckBox1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SetWindowPos(kelvo.main(), nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  kelvo.Close();
  std::string ini = FileBytes(kelvo.IniPath());
  for (const char* kept : {"; notes of the user", "[Other]", "keep=me", "Colour=blue"}) {
    EXPECT_NE(ini.find(kept), std::string::npos) << kept << "\n" << ini;
  }
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Left"), L"140");
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Top"), L"90");
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Sort"), L"0");
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"Target", L"ProgID"), L"AutoCAD.Application");
}

TEST_F(E2eTest, TypingIsUndoneByTheUndoButton) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.Type(kIdMemo1, u"abc");
  ASSERT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"abc"; }));
  ASSERT_TRUE(WaitFor([&] { return kelvo.Enabled(kIdSpeedButton4); }));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdLabel1) == u"データ行数 = 1"; }));
  kelvo.Click(kIdSpeedButton4);
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1).empty(); }));
}

TEST_F(E2eTest, GutterFollowsTheEditorWithinATick) {
  Kelvo kelvo;
  kelvo.Start();
  std::u16string text;
  for (int i = 1; i <= 200; ++i) text += u"line\r\n";
  kelvo.SetText(kIdMemo1, text);
  HWND editor = kelvo.Control(kIdMemo1);
  HWND gutter = kelvo.Control(kIdMemo2);
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(gutter, EM_GETLINECOUNT, 0, 0) == 210; }, 2s));
  SendMessageW(editor, EM_LINESCROLL, 0, 57);
  int editorTop = static_cast<int>(SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0));
  ASSERT_GT(editorTop, 0);
  EXPECT_TRUE(
      WaitFor([&] { return SendMessageW(gutter, EM_GETFIRSTVISIBLELINE, 0, 0) == editorTop; }, 1s));
}

}  // namespace
}  // namespace kelvo::e2e

namespace kelvo::e2e {
namespace {

TEST_F(E2eTest, AMinimisedWindowStoresItsRestoredPosition) {
  Kelvo kelvo;
  kelvo.Start();
  SetWindowPos(kelvo.main(), nullptr, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(kelvo.main(), SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(kelvo.main()) != FALSE; }));
  kelvo.Close();
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Left"), L"210");
  EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Top"), L"160");
}

}  // namespace
}  // namespace kelvo::e2e
