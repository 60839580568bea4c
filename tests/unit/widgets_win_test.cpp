// The Win32 widgets against real controls: they must follow the same rules
// as the in-memory widgets the form is tested with.

#include <gtest/gtest.h>

#include "ui/memo_lines.h"
#include "ui/memory_widgets.h"
#include "ui/widgets_win.h"

namespace kelvo {
namespace {

struct EditWindow {
  explicit EditWindow(DWORD style)
      : hwnd(CreateWindowExW(0, L"EDIT", L"", WS_POPUP | style, 0, 0, 200, 100, nullptr, nullptr,
                             nullptr, nullptr)) {}
  ~EditWindow() { DestroyWindow(hwnd); }
  HWND hwnd;
};

TEST(Win32MemoTest, FollowsTheRulesOfTheInMemoryMemo) {
  EditWindow window(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL);
  Win32Memo real(window.hwnd);
  MemoryMemo fake;
  for (Memo* memo : {static_cast<Memo*>(&real), static_cast<Memo*>(&fake)}) {
    SCOPED_TRACE(memo == &real ? "win32" : "memory");
    memo->SetText(u"");
    EXPECT_EQ(memo->LineCount(), 1);
    EXPECT_EQ(EditorLineCount(*memo), 0);
    memo->SetText(u"ab\r\n\r\ncd\r\n");
    EXPECT_EQ(memo->LineCount(), 4);
    EXPECT_EQ(EditorLineCount(*memo), 3);
    EXPECT_EQ(CountDataLines(*memo), 3);
    EXPECT_EQ(memo->Line(2), u"cd");
    EXPECT_EQ(memo->Line(9), u"");
    EXPECT_EQ(memo->LineIndex(2), 6);
    EXPECT_EQ(memo->LineFromChar(7), 2);
    EXPECT_FALSE(memo->CanUndo());
    memo->SetSel(10, 10);
    memo->ReplaceSel(u"ef", false);
    EXPECT_EQ(memo->Text(), u"ab\r\n\r\ncd\r\nef");
    EXPECT_FALSE(memo->CanUndo());
    memo->SetSel(0, 2);
    EXPECT_EQ(memo->SelText(), u"ab");
    memo->ReplaceSel(u"X", true);
    EXPECT_TRUE(memo->CanUndo());
    memo->Undo();
    EXPECT_EQ(memo->Line(0), u"ab");
    memo->SetSel(0, -1);
    EXPECT_EQ(memo->SelEnd(), memo->TextLength());
  }
}

TEST(Win32MemoTest, ReadOnlyGutterGrowsByReplacingTheEnd) {
  EditWindow window(ES_MULTILINE | ES_READONLY | ES_RIGHT);
  Win32Memo gutter(window.hwnd);
  gutter.SetText(u"1\r\n2");
  gutter.BeginUpdate();
  gutter.SetSel(gutter.TextLength(), gutter.TextLength());
  gutter.ReplaceSel(u"\r\n3\r\n4", false);
  gutter.EndUpdate();
  EXPECT_EQ(gutter.LineCount(), 4);
  EXPECT_EQ(EditorLineCount(gutter), 4);
}

}  // namespace
}  // namespace kelvo
