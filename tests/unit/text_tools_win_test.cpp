// The text tools on the real editor: what the edit control itself does with
// a pass's one write, for all lines and for a selection.

#include <gtest/gtest.h>

#include "support/program_on_fakes_win.h"

namespace kelvo {
namespace {

TEST(TextToolsWinTest, PassesWriteTheRealEditorAndLeaveItWritable) {
  struct Case {
    int command;
    const char16_t* text;
    int selStart;
    int selEnd;
    const char16_t* expected;
  } cases[] = {
      {kIdN1, u"ab\r\ncd", 0, 0, u"ａｂ\r\nｃｄ"},
      {kIdN5, u"ＡＢ\r\nＣＤ\r\nＥＦ", 1, 6, u"ＡB\r\nCD\r\nＥＦ"},
      {kIdN28, u"(x)", 0, 0, u"（x）"},
  };
  for (const Case& c : cases) {
    test::ProgramOnFakes<> program;
    Memo& editor = program.form.Memo1;
    editor.SetText(c.text);
    editor.SetSel(c.selStart, c.selEnd);
    program.form.Events().Fire(c.command, Event::Click);
    EXPECT_EQ(editor.Text(), c.expected) << c.command;
    EXPECT_FALSE(editor.ReadOnly());
    EXPECT_TRUE(program.form.undoFlag);
  }
}

}  // namespace
}  // namespace kelvo
