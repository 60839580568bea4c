// The text tools as a user reaches them: the editor's popup menu opened with
// a right click and worked with the keyboard, the replace dialog, and "中止"
// during a long conversion.

#include "app/main_form_table.h"
#include "base/text.h"
#include "tests/e2e/e2e_test_win.h"
#include "tools/replace_form.h"

namespace kelvo::e2e {
namespace {

bool Topmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(E2eTest, PopupMenuConvertsTheEditorToFullWidth) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"No.1 ｶﾞ\r\nab");
  ASSERT_TRUE(kelvo.ChooseFromMenu(kIdN1));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"Ｎｏ．１\u3000ガ\r\nａｂ"; }, 5s))
      << testing::PrintToString(kelvo.Text(kIdMemo1));
}

// A command of the submenu reaches its handler with its own id: each of the
// ten is told apart by it.
TEST_F(E2eTest, PopupSubmenuConvertsFullWidthKatakanaToHalfWidth) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"ガーデン１\r\nＡ");
  ASSERT_TRUE(kelvo.ChooseFromMenu(kIdN24));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"ｶﾞｰﾃﾞﾝ１\r\nＡ"; }, 5s))
      << testing::PrintToString(kelvo.Text(kIdMemo1));
}

TEST_F(E2eTest, ReplaceAllThroughTheDialog) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"No.1\r\nno.2\r\nNO.3");
  ASSERT_TRUE(kelvo.ChooseFromMenu(kIdN7));
  HWND dialog = kelvo.WaitForWindow(L"TKelvoTikanForm");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText16(dialog), u"文字列置換");
  EXPECT_TRUE(Topmost(dialog));
  EXPECT_FALSE(Topmost(kelvo.main()));
  HWND search = GetDlgItem(dialog, replace_dialog::kIdEdit1);
  HWND replacement = GetDlgItem(dialog, replace_dialog::kIdEdit2);
  // Both fields start as the first line.
  EXPECT_EQ(WindowText16(search), u"No.1");
  EXPECT_EQ(WindowText16(replacement), u"No.1");

  SendMessageW(search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"No."));
  SendMessageW(replacement, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  // No default button: Enter in a field runs nothing. The key typed after it
  // shows that it has been handled.
  ASSERT_TRUE(FocusControl(dialog, replacement));
  TypeKeys(u"No");
  PressKey(VK_RETURN, false);
  TypeKeys(u"-");
  ASSERT_TRUE(WaitFor([&] { return WindowText16(replacement) == u"No-"; }, 5s))
      << testing::PrintToString(WindowText16(replacement));
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(kelvo.Text(kIdMemo1), u"No.1\r\nno.2\r\nNO.3");

  PostMessageW(GetDlgItem(dialog, replace_dialog::kIdButton1), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"No-1\r\nNo-2\r\nNo-3\r\n"; }, 10s))
      << testing::PrintToString(kelvo.Text(kIdMemo1));
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
  EXPECT_TRUE(WaitFor([&] { return Topmost(kelvo.main()); }));
  EXPECT_TRUE(kelvo.Responsive());
}

}  // namespace
}  // namespace kelvo::e2e

namespace kelvo::e2e {
namespace {

constexpr int kLongLines = 30000;

// Numbered, so that a line lost, doubled or joined to the next shows.
std::u16string LongLine(int n, bool converted) {
  return (converted ? u"ガギパピ " : u"ｶﾞｷﾞﾊﾟﾋﾟ ") + ToU16(n);
}

std::vector<std::u16string> Lines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(u"\r\n", from)) != std::u16string::npos; from = at + 2) {
    lines.push_back(text.substr(from, at - from));
  }
  lines.push_back(text.substr(from));
  return lines;
}

TEST_F(E2eTest, AbortStopsALongConversionAndKeepsEveryLine) {
  Kelvo kelvo;
  kelvo.Start();
  std::u16string text;
  for (int n = 1; n <= kLongLines; ++n) text += LongLine(n, false) + u"\r\n";
  kelvo.SetText(kIdMemo1, text);
  ASSERT_EQ(kelvo.Text(kIdMemo1).size(), text.size());
  ASSERT_FALSE(kelvo.Enabled(kIdSpeedButton4));
  // The click waits in the queue behind the command: the pass's own pumping
  // hands it to "中止", enabled by then, whatever the speed of the machine.
  kelvo.Command(kIdN23);
  kelvo.Click(kIdSpeedButton5);
  // The pass makes the editor read-only, then takes the undo snapshot, and
  // gives the editor back only at its end.
  HWND editor = kelvo.Control(kIdMemo1);
  auto readOnly = [&] { return (GetWindowLongPtrW(editor, GWL_STYLE) & ES_READONLY) != 0; };
  ASSERT_TRUE(WaitFor([&] { return kelvo.Enabled(kIdSpeedButton4); }));
  ASSERT_TRUE(WaitFor([&] { return !readOnly(); }, 60s));
  EXPECT_FALSE(kelvo.Enabled(kIdSpeedButton5));
  EXPECT_TRUE(kelvo.Responsive());

  const std::u16string after = kelvo.Text(kIdMemo1);
  std::vector<std::u16string> lines = Lines(after);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kLongLines) + 1);
  EXPECT_EQ(lines.back(), u"");
  // Converted lines, then the lines the pass did not reach, as they were.
  int converted = 0;
  while (converted < kLongLines && lines[converted] == LongLine(converted + 1, true)) ++converted;
  EXPECT_LT(converted, kLongLines);
  for (int n = converted + 1; n <= kLongLines; ++n) {
    ASSERT_EQ(lines[n - 1], LongLine(n, false)) << "line " << n;
  }

  // Writable again: a typed character goes in.
  kelvo.Type(kIdMemo1, u"#");
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1).size() == after.size() + 1; }));
}

}  // namespace
}  // namespace kelvo::e2e
