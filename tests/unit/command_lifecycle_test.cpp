#include <gtest/gtest.h>

#include <new>

#include "app/long_command.h"
#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

std::vector<std::u16string> DrawingTexts(const MainFormHarness& h) {
  std::vector<std::u16string> texts;
  for (const sim::Entity& e : h.drawing->LiveEntities()) texts.push_back(e.text);
  return texts;
}

// Five texts fetched left to right, the editor unchanged.
struct Fetched {
  Fetched() {
    h.CheckBox1.SetChecked(false);
    std::vector<std::int64_t> ids;
    for (int i = 0; i < 5; ++i) ids.push_back(h.drawing->AddText(u"T" + ToU16(i), 10.0 * i, 0));
    h.Fetch(ids);
    h.messages.shown.clear();
    h.Edit1.SetText(u"10");
    h.Edit2.SetText(u"0");
  }
  MainFormHarness h;
};

// A close while update or align runs stops the run as "中止" would; the run
// finishes its end steps, and only then does the window close and write its
// settings. No text is deleted because the editor went away.
TEST(CloseDuringARunTest, StopsTheRunThenClosesAndKeepsEveryText) {
  for (auto command : {&TKelvoMainForm::SpeedButton2Click, &TKelvoMainForm::SpeedButton6Click}) {
    Fetched f;
    MainFormHarness& h = f.h;
    std::vector<std::u16string> before = DrawingTexts(h);
    int pumps = 0;
    h.messages.onPump = [&] {
      if (++pumps == 2) h.form.Dispatch([&] { h.form.Close(); });
    };
    h.Run(command);
    EXPECT_EQ(DrawingTexts(h), before);
    EXPECT_EQ(pumps, 2);
    EXPECT_TRUE(h.window.destroyed);
    EXPECT_EQ(h.profile.writes.size(), 4u);
    EXPECT_FALSE(h.Label2.Visible());
    EXPECT_TRUE(h.SpeedButton3.Visible());
    EXPECT_FALSE(h.SpeedButton5.Enabled());
    EXPECT_EQ(EntityList.size(), 5u);
  }
}

TEST(CloseDuringARunTest, AnIdleWindowClosesAtOnce) {
  MainFormHarness h;
  h.form.Dispatch([&] { h.form.Close(); });
  EXPECT_TRUE(h.window.destroyed);
  EXPECT_EQ(h.profile.writes.size(), 4u);
}

TEST(CloseDuringARunTest, AFailedSettingsWriteIsReportedAndTheWindowClosesAnyway) {
  MainFormHarness h;
  h.profile.failWrites = true;
  h.form.Dispatch([&] { h.form.Close(); });
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Error);
  EXPECT_TRUE(h.window.destroyed);
}

// Logoff or shutdown: a running command is stopped, and the settings are
// written once when the session ends.
TEST(SessionEndTest, WritesTheSettingsOnceAfterStoppingTheRun) {
  Fetched f;
  MainFormHarness& h = f.h;
  std::vector<std::u16string> before = DrawingTexts(h);
  int pumps = 0;
  h.messages.onPump = [&] {
    ++pumps;
    if (pumps == 1) h.form.Dispatch([&] { h.form.QueryEndSession(); });
    if (pumps == 1) h.form.Dispatch([&] { h.form.EndSession(); });
  };
  h.Run(&TKelvoMainForm::SpeedButton2Click);
  EXPECT_EQ(pumps, 1);
  EXPECT_EQ(DrawingTexts(h), before);
  EXPECT_EQ(h.profile.writes.size(), 4u);
  h.form.EndSession();
  h.form.Dispatch([&] { h.form.Close(); });
  EXPECT_EQ(h.profile.writes.size(), 4u);
  EXPECT_TRUE(h.window.destroyed);
}

TEST(SessionEndTest, AnIdleWindowWritesItsSettingsAtTheEnd) {
  MainFormHarness h;
  h.window.MoveTo(40, 50);
  h.form.Dispatch([&] { h.form.QueryEndSession(); });
  EXPECT_TRUE(h.profile.writes.empty());
  h.form.Dispatch([&] { h.form.EndSession(); });
  EXPECT_EQ(h.profile.ReadString(u"KelvoEdit", u"Left", u""), u"40");
  EXPECT_EQ(h.profile.writes.size(), 4u);
}

// While a command runs, nothing that changes the editor or the list starts:
// not the clicks queued behind "中止", not "Undo", not "カット".
TEST(BusyGuardTest, ClicksQueuedBehindAbortDoNotRunInsideTheStoppingCommand) {
  Fetched f;
  MainFormHarness& h = f.h;
  auto other = h.drawing->AddText(u"other", 0, 50);
  h.drawing->QueuePicks({other});
  h.Memo1.SetText(u"a\r\nb\r\nc\r\nd\r\ne");
  int pumps = 0;
  h.messages.onPump = [&] {
    ++pumps;
    if (pumps == 1) h.Run(&TKelvoMainForm::SpeedButton5Click);
    if (pumps == 2) {  // queued behind the abort, served by its pump
      h.Fire(kIdSpeedButton1);
      h.Fire(kIdSpeedButton2);
      h.Fire(kIdSpeedButton6);
    }
  };
  h.Run(&TKelvoMainForm::SpeedButton2Click);
  EXPECT_EQ(DrawingTexts(h),
            (std::vector<std::u16string>{u"a", u"T1", u"T2", u"T3", u"T4", u"other"}));
  EXPECT_EQ(EntityList.size(), 5u);
  EXPECT_EQ(EntityList[0].text, u"T0");
  EXPECT_EQ(h.Memo1.Text(), u"a\r\nb\r\nc\r\nd\r\ne");
}

TEST(BusyGuardTest, UndoAndCutAreRefusedWhileACommandRuns) {
  MainFormHarness h;
  h.Memo1.SetText(u"keep");
  h.form.UndoMark(true);
  h.Memo1.SetText(u"keep this");
  h.Memo1.SetSel(0, 4);
  {
    LongCommand run(h.form, h.messages);
    h.Fire(kIdSpeedButton4);
    h.Fire(kIdN10);
    EXPECT_EQ(h.Memo1.Text(), u"keep this");
    EXPECT_TRUE(h.clipboard.text.empty());
  }
  h.Fire(kIdSpeedButton4);
  EXPECT_EQ(h.Memo1.Text(), u"keep");
}

// Any failure, not only the CAD's, ends a run through its end steps.
TEST(RunEndTest, AnyFailureEndsTheRunThroughItsEndSteps) {
  for (auto command : {&TKelvoMainForm::SpeedButton2Click, &TKelvoMainForm::SpeedButton6Click}) {
    Fetched f;
    MainFormHarness& h = f.h;
    h.Memo1.SetText(u"T0\r\nT1");
    h.messages.onPump = [] { throw std::bad_alloc(); };
    h.Run(command);
    EXPECT_FALSE(h.form.runFlag);
    EXPECT_FALSE(h.SpeedButton5.Enabled());
    EXPECT_FALSE(h.Label2.Visible());
    EXPECT_TRUE(h.SpeedButton3.Visible());
    bool update = command == &TKelvoMainForm::SpeedButton2Click;
    // Update's end steps resize the list and regenerate the drawing.
    EXPECT_EQ(h.drawing->RegenCount(), update ? 1 : 0);
    EXPECT_EQ(EntityList.size(), update ? 2u : 5u);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Plain);
  }
}

// A tick that fails is reported, and the timer runs on.
TEST(RunEndTest, AFailedTickRestartsTheTimer) {
  MainFormHarness h;
  h.StatusBar1.onWrite = [] { throw std::bad_alloc(); };
  h.Run(&TKelvoMainForm::Timer1Timer);
  EXPECT_EQ(h.messages.shown.size(), 1u);
  EXPECT_TRUE(h.Timer1.Enabled());
}

}  // namespace
}  // namespace kelvo
