#include <gtest/gtest.h>

#include "app/long_command.h"
#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

struct Selection {
  int start;
  int end;
};

struct ConversionCase {
  const char* name;
  int command;
  const char16_t* text;
  Selection selection;
  const char16_t* expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << c.name;
}

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

// Each command, fired as the menu fires it, on the whole text or the
// selection; the snapshot brings the text back.
TEST_P(ConversionTest, ConvertsAndUndoRestores) {
  const ConversionCase& c = GetParam();
  MainFormHarness h;
  h.Memo1.SetText(c.text);
  h.Memo1.SetSel(c.selection.start, c.selection.end);
  EXPECT_TRUE(h.Fire(c.command));
  EXPECT_EQ(h.Memo1.Text(), c.expected);
  EXPECT_FALSE(h.form.runFlag);
  EXPECT_FALSE(h.SpeedButton5.Enabled());
  EXPECT_FALSE(h.Memo1.ReadOnly());
  EXPECT_TRUE(h.form.undoFlag);
  h.Fire(kIdSpeedButton4);
  EXPECT_EQ(h.Memo1.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ConversionTest,
    testing::Values(
        ConversionCase{
            "AllToFullWidth", kIdN1, u"No.1 ｶﾞ\r\nab", {0, 0}, u"Ｎｏ．１\u3000ガ\r\nａｂ"},
        ConversionCase{"AllToHalfWidth", kIdN4, u"Ｎｏ．１\r\nガ", {0, 0}, u"No.1\r\nｶﾞ"},
        ConversionCase{"AllKeepsTheFinalBreak", kIdN1, u"a\r\nb\r\n", {0, 0}, u"ａ\r\nｂ\r\n"},
        ConversionCase{
            "SelectionToFullWidth", kIdN2, u"ab\r\ncd\r\nef", {1, 9}, u"aｂ\r\nｃｄ\r\nｅf"},
        // The selection's own line break and the line after it stay apart.
        ConversionCase{
            "SelectionEndingInABreak", kIdN2, u"ab\r\ncd\r\nef", {0, 4}, u"ａｂ\r\ncd\r\nef"},
        // An indent of U+3000 becomes a space and stays.
        ConversionCase{"SelectionStartingWithAnIdeographicSpace",
                       kIdN5,
                       u"\u3000Ａ\r\nＢ",
                       {0, 5},
                       u" A\r\nB"},
        ConversionCase{"SelectionWithinOneLine", kIdN5, u"ＡＢＣ", {1, 2}, u"ＡBＣ"},
        ConversionCase{
            "OnlyAsciiParentheses", kIdN28, u"(a)（b）[c]\r\n()", {0, 0}, u"（a）（b）[c]\r\n（）"},
        ConversionCase{"HalfKatakana", kIdN23, u"ｶﾞｷﾞ1", {0, 0}, u"ガギ1"},
        ConversionCase{"FullKatakana", kIdN24, u"ガー", {0, 0}, u"ｶﾞｰ"},
        ConversionCase{"HalfDigits", kIdN091, u"-1.5", {0, 0}, u"-１.５"},
        ConversionCase{"FullDigits", kIdN092, u"１２ａ", {0, 0}, u"12ａ"},
        ConversionCase{"FullNumerals", kIdN093, u"－１．５", {0, 0}, u"-1.5"},
        ConversionCase{"HalfNumerals", kIdN094, u"-1.5", {0, 0}, u"－１．５"},
        ConversionCase{"HalfLetters", kIdAZ1, u"Ab1", {0, 0}, u"Ａｂ1"},
        ConversionCase{"FullLetters", kIdAZ2, u"Ａｂ１", {0, 0}, u"Ab１"},
        ConversionCase{"FullSymbols", kIdN26, u"\u201D\u3000（", {0, 0}, u"\" ("},
        ConversionCase{"HalfSymbols", kIdN27, u"\" (\\", {0, 0}, u"\u201D\u3000（\uFFE5"}),
    [](const testing::TestParamInfo<ConversionCase>& info) {
      return std::string(info.param.name);
    });

TEST(ConversionCommandTest, EmptySelectionTakesNoSnapshot) {
  for (int command : {int(kIdN2), int(kIdN5)}) {
    MainFormHarness h;
    h.Memo1.SetText(u"ab");
    h.Memo1.SetSel(1, 1);
    h.Fire(command);
    EXPECT_EQ(h.Memo1.Text(), u"ab");
    EXPECT_FALSE(h.form.undoFlag);
    EXPECT_FALSE(h.form.runFlag);
  }
}

// "中止" after the first line: that line converted, the others as they were;
// Undo brings back the text from before the command.
TEST(ConversionCommandTest, StopAfterTheFirstLineThenUndo) {
  for (int command : {int(kIdN1), int(kIdN23)}) {
    MainFormHarness h;
    h.Memo1.SetText(u"ab\r\nｶ\r\ncd");
    int lines = 0;
    h.messages.onPump = [&] {
      // Table routines pump after every entry too: stop once a line is done.
      if (h.Memo1.ReadOnly() && ++lines == (command == kIdN1 ? 1 : 84)) {
        h.Fire(kIdSpeedButton5);
      }
    };
    h.Fire(command);
    EXPECT_EQ(h.Memo1.Text(), command == kIdN1 ? u"ａｂ\r\nｶ\r\ncd" : u"ab\r\nｶ\r\ncd");
    h.messages.onPump = nullptr;
    h.Fire(kIdSpeedButton4);
    EXPECT_EQ(h.Memo1.Text(), u"ab\r\nｶ\r\ncd");
  }
}

// The pass writes the editor once, at its end: meanwhile the editor takes
// no typing that the write would overwrite, and no other command starts.
TEST(ConversionCommandTest, NothingTypedOrStartedDuringAPassIsLost) {
  MainFormHarness h;
  h.Memo1.SetText(u"a\r\nb\r\nc");
  h.messages.onPump = [&] {
    h.Memo1.Type(u"typed");
    h.Fire(kIdN20);
    h.Fire(kIdN4);
  };
  h.Fire(kIdN1);
  EXPECT_EQ(h.Memo1.Text(), u"ａ\r\nｂ\r\nｃ");
  h.messages.onPump = nullptr;
  h.Memo1.Type(u"x");
  EXPECT_EQ(h.Memo1.Text(), u"xａ\r\nｂ\r\nｃ");
}

TEST(ConversionCommandTest, ACloseDuringAPassKeepsWhatWasConvertedThenCloses) {
  MainFormHarness h;
  h.Memo1.SetText(u"a\r\nb\r\nc");
  int pumps = 0;
  h.messages.onPump = [&] {
    if (++pumps == 1) h.Fire(kWindowId, Event::Close);
  };
  h.Fire(kIdN1);
  EXPECT_EQ(h.Memo1.Text(), u"ａ\r\nb\r\nc");
  EXPECT_TRUE(h.window.destroyed);
  EXPECT_EQ(h.profile.writes.size(), 4u);
}

struct ReplaceCase {
  const char* name;
  int command;
  bool ignoreCase;
  const char16_t* text;
  Selection selection;
  const char16_t* search;
  const char16_t* replacement;
  const char16_t* expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
  *os << c.name;
}

class ReplaceTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, ReplacesAsTheDialogSays) {
  const ReplaceCase& c = GetParam();
  MainFormHarness h;
  h.Memo1.SetText(c.text);
  h.Memo1.SetSel(c.selection.start, c.selection.end);
  auto& dialog = h.replace;
  dialog.window.modalResult = ModalResult::Ok;
  dialog.window.onModal = [&] {
    dialog.form.CheckBox1.SetChecked(c.ignoreCase);
    dialog.form.Edit1.SetText(c.search);
    dialog.form.Edit2.SetText(c.replacement);
  };
  h.Fire(c.command);
  EXPECT_EQ(h.Memo1.Text(), c.expected);
  EXPECT_TRUE(h.form.undoFlag);
  h.Fire(kIdSpeedButton4);
  EXPECT_EQ(h.Memo1.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ReplaceTest,
    testing::Values(
        ReplaceCase{
            "AllIgnoringCase", kIdN7, true, u"ABC-abc-Abc", {0, 0}, u"abc", u"x", u"x-x-x\r\n"},
        ReplaceCase{
            "AllWithCase", kIdN7, false, u"ABC-abc-Abc", {0, 0}, u"abc", u"x", u"ABC-x-Abc\r\n"},
        // The selection's replace always minds the case.
        ReplaceCase{"SelectionAlwaysWithCase",
                    kIdN8,
                    true,
                    u"ABC-abc-Abc",
                    {0, 11},
                    u"abc",
                    u"x",
                    u"ABC-x-Abc"},
        ReplaceCase{"NoRescan", kIdN7, false, u"aaaa", {0, 0}, u"aa", u"a", u"aa\r\n"},
        ReplaceCase{"GrowingReplacement", kIdN7, false, u"aa", {0, 0}, u"a", u"aa", u"aaaa\r\n"},
        ReplaceCase{"NothingFoundRewritesWithAFinalBreak",
                    kIdN7,
                    false,
                    u"x\r\ny",
                    {0, 0},
                    u"q",
                    u"r",
                    u"x\r\ny\r\n"},
        // Lines 2 and 3 with the break after line 3: line 4 stays its own line.
        ReplaceCase{"SelectionOfWholeLinesKeepsTheNextLineApart",
                    kIdN8,
                    false,
                    u"a1\r\nb1\r\nc1\r\nd1",
                    {4, 12},
                    u"1",
                    u"2",
                    u"a1\r\nb2\r\nc2\r\nd1"},
        ReplaceCase{
            "SelectionKeepsItsBlanks", kIdN8, false, u" a \r\nb", {0, 3}, u"a", u"x", u" x \r\nb"}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

TEST(ReplaceCommandTest, PrefillsAndLeavesTheEditorOnCancelOrAnEmptySearch) {
  MainFormHarness h;
  h.Memo1.SetText(u"first line\r\nsecond");
  auto& dialog = h.replace;
  std::u16string seen;
  dialog.window.onModal = [&] {
    seen = dialog.form.Edit1.Text() + u"|" + dialog.form.Edit2.Text();
  };
  h.Fire(kIdN7);
  EXPECT_EQ(seen, u"first line|first line");
  h.Memo1.SetSel(6, 15);  // "line\r\nsec"
  h.Fire(kIdN8);
  EXPECT_EQ(seen, u"line|line");
  EXPECT_EQ(h.Memo1.Text(), u"first line\r\nsecond");
  EXPECT_FALSE(h.form.undoFlag);
  dialog.window.modalResult = ModalResult::Ok;
  dialog.window.onModal = [&] { dialog.form.Edit1.SetText(u""); };
  h.Fire(kIdN7);
  EXPECT_EQ(h.Memo1.Text(), u"first line\r\nsecond");
  EXPECT_FALSE(h.form.undoFlag);
  // The dialog is lifted above the main window and the order put back.
  EXPECT_EQ(h.zOrder.back(), "window.topmost+activate");
}

TEST(ReplaceCommandTest, TheDialogStartsEmptyAndKeepsItsFieldsBetweenUses) {
  MainFormHarness h;
  EXPECT_EQ(h.replace.form.Edit1.Text(), u"");
  EXPECT_TRUE(h.replace.form.CheckBox1.Checked());
  h.replace.form.CheckBox1.SetChecked(false);
  h.replace.form.Edit1.SetText(u"kept");
  h.Fire(kIdN8);  // nothing in the editor: the fields keep what they hold
  EXPECT_EQ(h.replace.form.Edit1.Text(), u"kept");
  EXPECT_FALSE(h.replace.form.CheckBox1.Checked());
}

}  // namespace
}  // namespace kelvo
