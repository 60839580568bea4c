#include <gtest/gtest.h>

#include "app/long_command.h"
#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

std::u16string Lines(int count) {
  std::u16string text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? u"\r\n" : u"") + ToU16(i);
  return text;
}

TEST(TimerTickTest, EmptyEditorBeforeAnyFetch) {
  MainFormHarness h;
  h.form.Timer1Timer();
  EXPECT_EQ(h.Label1.Text(), u"データ行数 = 0");
  EXPECT_EQ(h.StatusBar1.PanelText(0), u"Row : 1 / 0");
  EXPECT_EQ(h.StatusBar1.PanelText(1), u"selRows : 0");
  EXPECT_EQ(h.Memo1.BackColor(), kLightGrey);
  EXPECT_TRUE(h.Timer1.Enabled());
}

TEST(TimerTickTest, LinesWithoutAnEntryAreGrey) {
  MainFormHarness h;
  std::vector<std::int64_t> ids;
  for (int i = 0; i < 5; ++i) ids.push_back(h.drawing->AddText(u"T" + ToU16(i), 0, -i));
  h.Fetch(ids);
  h.Memo1.SetText(h.Memo1.Text() + u"\r\nnew");
  for (int row = 1; row <= 6; ++row) {
    int at = h.Memo1.LineIndex(row - 1);
    h.Memo1.SetSel(at, at);
    h.form.Timer1Timer();
    EXPECT_EQ(h.Memo1.BackColor(), row <= 5 ? kWindowColor : kLightGrey) << row;
  }
}

TEST(TimerTickTest, DataLineCountSkipsOnlyTrailingBlankLines) {
  struct Case {
    const char16_t* text;
    int count;
  } cases[] = {{u"a\r\n \t\r\n", 1},     {u"a\r\n\u3000", 2}, {u"\r\n \r\n\t", 0},
               {u"a\r\n\r\nb", 3},       {u"a\r\n", 1},       {u" ", 0},
               {u"a\r\n\x1F\r\n\r\n", 1}};
  for (const Case& c : cases) {
    MainFormHarness h;
    h.Memo1.SetText(c.text);
    h.form.Timer1Timer();
    EXPECT_EQ(h.form.iLineLast, c.count) << ToUtf8(c.text);
    EXPECT_EQ(h.Label1.Text(), u"データ行数 = " + ToU16(c.count));
  }
}

TEST(TimerTickTest, SelectedLinesAndCaretRow) {
  struct Case {
    int start;
    int end;
    int lines;
    int row;
  } cases[] = {
      {1, 2, 1, 1},    // part of one line
      {2, 14, 3, 1},   // middle of line 1 to middle of line 3
      {0, 12, 2, 1},   // lines 1 and 2 with the break after line 2
      {12, 12, 0, 3},  // caret only
  };
  for (const Case& c : cases) {
    MainFormHarness h;
    h.Memo1.SetText(u"abcd\r\nefgh\r\nijkl");
    h.Memo1.SetSel(c.start, c.end);
    h.form.Timer1Timer();
    EXPECT_EQ(h.StatusBar1.PanelText(1), u"selRows : " + ToU16(c.lines));
    EXPECT_EQ(h.StatusBar1.PanelText(0), u"Row : " + ToU16(c.row) + u" / 3");
  }
}

TEST(TimerTickTest, WritesOnlyWhatChanged) {
  MainFormHarness h;
  h.Memo1.SetText(u"a");
  h.form.Timer1Timer();
  int panelWrites = h.StatusBar1.writes;
  int colorWrites = h.Memo1.colorWrites;
  int gutterRepaints = h.Memo2.repaints;
  h.form.Timer1Timer();
  EXPECT_EQ(h.StatusBar1.writes, panelWrites);
  EXPECT_EQ(h.Memo1.colorWrites, colorWrites);
  EXPECT_EQ(h.Memo2.repaints, gutterRepaints);
}

TEST(TimerTickTest, GutterGrowsTenPastTheEditorInOneUpdateAndNeverShrinks) {
  MainFormHarness h;
  h.Memo1.SetText(Lines(100) + u"\r\n");
  int repaints = h.Memo2.repaints;
  h.form.Timer1Timer();
  EXPECT_EQ(h.Memo2.LineCount(), 110);
  EXPECT_EQ(h.Memo2.Line(109), u"110");
  EXPECT_EQ(h.Memo2.Line(99), u"100");
  EXPECT_EQ(h.Memo2.repaints, repaints + 1);
  h.Memo1.SetText(u"x");
  h.form.Timer1Timer();
  EXPECT_EQ(h.Memo2.LineCount(), 110);
}

TEST(TimerTickTest, GutterFollowsTheEditorsFirstVisibleLine) {
  MainFormHarness h;
  h.Memo1.SetText(Lines(200));
  h.form.Timer1Timer();
  h.Memo1.LineScroll(57);
  h.form.Timer1Timer();
  EXPECT_EQ(h.Memo2.FirstVisibleLine(), 57);
  h.Memo1.LineScroll(-50);
  h.form.Timer1Timer();
  EXPECT_EQ(h.Memo2.FirstVisibleLine(), 7);
}

TEST(UndoTest, SnapshotAfterACommandAndTypingFirst) {
  MainFormHarness h;
  h.Memo1.SetText(u"before");
  h.form.UndoMark(true);
  h.Memo1.SetText(u"replaced by a command");
  h.form.Timer1Timer();
  EXPECT_TRUE(h.SpeedButton4.Enabled());
  h.form.SpeedButton4Click();
  EXPECT_EQ(h.Memo1.Text(), u"before");
  EXPECT_FALSE(h.form.undoFlag);
  h.form.Timer1Timer();
  EXPECT_FALSE(h.SpeedButton4.Enabled());

  // Typing is undone by the control first; the snapshot waits behind it.
  h.form.UndoMark(true);
  h.Memo1.SetSel(6, 6);
  h.Memo1.Type(u"!");
  h.form.SpeedButton4Click();
  EXPECT_EQ(h.Memo1.Text(), u"before");
  h.form.Timer1Timer();
  EXPECT_TRUE(h.SpeedButton4.Enabled());
}

TEST(UndoTest, PasteAndClearTakeTheSnapshotEvenWithNothingToDo) {
  MainFormHarness h;
  h.Memo1.SetText(u"abc");
  h.Memo1.SetSel(1, 2);
  h.form.N12Click();  // empty clipboard
  EXPECT_EQ(h.Memo1.Text(), u"abc");
  EXPECT_TRUE(h.form.undoFlag);
  EXPECT_EQ(h.form.undoText, u"abc");

  h.form.N11Click();
  EXPECT_EQ(h.clipboard.text, u"b");
  h.form.N10Click();
  EXPECT_EQ(h.Memo1.Text(), u"ac");
  EXPECT_EQ(h.form.undoText, u"abc");  // cut takes none
  h.form.N12Click();
  EXPECT_EQ(h.Memo1.Text(), u"abc");
  EXPECT_EQ(h.form.undoText, u"ac");

  h.form.N20Click();
  EXPECT_EQ(h.Memo1.Text(), u"");
  h.form.SpeedButton4Click();
  EXPECT_EQ(h.Memo1.Text(), u"abc");
}

TEST(UndoTest, PastingHugeOrBrokenTextKeepsWhatTheControlKeeps) {
  MainFormHarness h;
  const std::u16string lone{u'a', char16_t(0xD800), u'b'};
  std::u16string odd = lone;
  odd += u'\0';
  odd += u"after the nul";
  h.clipboard.text = odd;
  h.form.N12Click();
  EXPECT_EQ(h.Memo1.Text(), lone);
  h.clipboard.text = std::u16string(4'000'000, u'x');
  h.form.N12Click();
  EXPECT_EQ(h.Memo1.TextLength(), 4'000'003);
  h.form.Timer1Timer();
  EXPECT_EQ(h.form.iLineLast, 1);
}

TEST(PopupTest, AvailabilityFollowsTextAndSelection) {
  MainFormHarness h;
  h.form.PopupMenu1Popup();
  for (MenuItem* item :
       {&h.N1, &h.N2, &h.N4, &h.N5, &h.N7, &h.N8, &h.N10, &h.N11, &h.N14, &h.N15}) {
    EXPECT_FALSE(item->Enabled());
  }
  h.Memo1.SetText(u"text");
  h.form.PopupMenu1Popup();
  for (MenuItem* item : {&h.N1, &h.N4, &h.N7, &h.N14}) EXPECT_TRUE(item->Enabled());
  for (MenuItem* item : {&h.N2, &h.N5, &h.N8, &h.N10, &h.N11, &h.N15})
    EXPECT_FALSE(item->Enabled());
  h.form.SpeedButton3Click();
  h.form.PopupMenu1Popup();
  for (MenuItem* item : {&h.N2, &h.N5, &h.N8, &h.N10, &h.N11, &h.N15}) EXPECT_TRUE(item->Enabled());
}

TEST(LongCommandTest, AbortStopsAfterTheItemInHand) {
  MainFormHarness h;
  int items = 0;
  bool pressed = false;
  // The click on "中止" arrives while the third item's messages are processed.
  h.messages.onPump = [&] {
    if (items == 3 && !pressed) {
      pressed = true;
      h.form.SpeedButton5Click();
    }
  };
  {
    LongCommand run(h.form, h.messages);
    EXPECT_TRUE(h.form.runFlag);
    EXPECT_TRUE(h.SpeedButton5.Enabled());
    while (items < 10) {
      ++items;
      if (!run.Continue()) break;
    }
  }
  EXPECT_EQ(items, 3);
  EXPECT_FALSE(h.form.runFlag);
  EXPECT_FALSE(h.SpeedButton5.Enabled());
}

TEST(LongCommandTest, OtherCommandsDoNotStartFromInsideARun) {
  MainFormHarness h;
  auto id = h.drawing->AddText(u"A", 0, 0);
  h.drawing->QueuePicks({id});
  h.Memo1.SetText(u"keep");
  LongCommand run(h.form, h.messages);
  h.SpeedButton2.SetEnabled(true);
  h.SpeedButton6.SetEnabled(true);
  for (int id : {int(kIdSpeedButton1), int(kIdSpeedButton2), int(kIdSpeedButton6), int(kIdN20),
                 int(kIdSpeedButton7)}) {
    EXPECT_TRUE(h.Fire(id));
  }
  EXPECT_TRUE(h.drawing->Calls().Records().empty());
  EXPECT_EQ(h.Memo1.Text(), u"keep");
  EXPECT_TRUE(h.zOrder.empty());
}

TEST(KeyTest, EnterInDxMovesToDy) {
  MainFormHarness h;
  char16_t enter = u'\r';
  h.form.Edit1KeyPress(enter);
  EXPECT_EQ(enter, 0);
  EXPECT_TRUE(h.Edit2.focused);
  char16_t digit = u'5';
  h.form.Edit1KeyPress(digit);
  EXPECT_EQ(digit, u'5');
}

}  // namespace
}  // namespace kelvo
