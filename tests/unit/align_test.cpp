#include <gtest/gtest.h>

#include <set>

#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using sim::ObjectKind;
using test::MainFormHarness;

constexpr char16_t kFailed[] = u"エラーのため、更新処理を中止しました．";

// Texts fetched in the given order at the given points, sort off.
struct AlignFixture {
  struct Placed {
    const char16_t* text;
    double x;
    double y;
    int alignment = 0;
  };
  explicit AlignFixture(std::vector<Placed> texts) {
    h.CheckBox1.SetChecked(false);
    for (const Placed& p : texts) ids.push_back(h.drawing->AddText(p.text, p.x, p.y, p.alignment));
    h.Fetch(ids);
    h.messages.shown.clear();
    h.drawing->ClearCallLog();
  }
  void Align(std::u16string_view lines, std::u16string_view dX, std::u16string_view dY) {
    h.Memo1.SetText(lines);
    h.Edit1.SetText(dX);
    h.Edit2.SetText(dY);
    h.Run(&TKelvoMainForm::SpeedButton6Click);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const sim::Entity& e : h.drawing->LiveEntities()) {
      const sim::Point& p = e.alignment == 0 ? e.insertion : e.alignmentPoint;
      char at[64];
      std::snprintf(at, sizeof at, "@%g,%g", p[0], p[1]);
      texts.push_back(ToUtf8(e.text) + at);
    }
    return texts;
  }
  std::vector<bool> Live() const {
    std::vector<bool> live;
    for (const Kelvo& k : EntityList) live.push_back(k.objId != 0);
    return live;
  }
  MainFormHarness h;
  std::vector<std::int64_t> ids;
};

using Strings = std::vector<std::string>;

TEST(AlignTest, TwoEntriesOnAColumnWrittenWithoutRegen) {
  AlignFixture f({{u"A", 3, 7}, {u"B", 50, 60}});
  f.Align(u"A\r\nB2", u"0", u"-5");
  EXPECT_EQ(f.Texts(), (Strings{"A@3,7", "B2@3,2"}));
  EXPECT_EQ(f.h.drawing->RegenCount(), 0);
  EXPECT_EQ(f.h.drawing->UpdateCount(), 2);
  EXPECT_EQ(f.h.drawing->Calls().Count(ObjectKind::Text, u"TextString", CallKind::Put), 1u);
  EXPECT_EQ(EntityList[1].insPt, MakePoint(3, 2, 0));
  EXPECT_EQ(f.h.desktop.escapes, 2);  // the fetch's and the align's
  EXPECT_FALSE(f.h.form.runFlag);
  EXPECT_FALSE(f.h.Label2.Visible());
}

TEST(AlignTest, PitchBounds) {
  struct Case {
    const char16_t* dX;
    const char16_t* dY;
    Strings texts;
  } cases[] = {
      {u"0.05", u"0.005", {"A@0,0", "B@40,40"}},  // counts as zero: nothing moves
      {u"0.1", u"0", {"A@0,0", "B@0.1,0"}},
      {u"0", u"0.01", {"A@0,0", "B@0,0.01"}},
      {u"x", u"", {"A@0,0", "B@40,40"}},
  };
  for (const Case& c : cases) {
    AlignFixture f({{u"A", 0, 0}, {u"B", 40, 40}});
    f.Align(u"A\r\nB", c.dX, c.dY);
    EXPECT_EQ(f.Texts(), c.texts) << ToUtf8(c.dX);
    EXPECT_TRUE(f.h.messages.shown.empty());
  }
}

TEST(AlignTest, ZeroPitchStillDeletesEntriesPastTheData) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 40, 40}, {u"C", 9, 9}});
  f.Align(u"A", u"0", u"0");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0"}));
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(f.h.drawing->RegenCount(), 1);
}

TEST(AlignTest, EntriesPastTheDataLinesBecomeSlotsAndRegenRuns) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}, {u"C", 2, 2}, {u"D", 3, 3}});
  f.Align(u"A\r\nB", u"10", u"0");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "B@10,0"}));
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(f.h.drawing->RegenCount(), 1);
}

TEST(AlignTest, LinesPastTheListAreCopiesAtTheirPitchPositionsWithZeroZ) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}, {u"C", 2, 2}});
  f.Align(u"A\r\nB\r\nC\r\nD\r\n\r\nF", u"10", u"1");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "B@10,1", "C@20,2", "D@30,3", "F@50,5"}));
  ASSERT_EQ(EntityList.size(), 6u);
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, true, true, true, false, true}));
  EXPECT_EQ(EntityList[4].insPt, MakePoint(40, 4, 0));
  EXPECT_EQ(EntityList[5].text, u"F");
  EXPECT_EQ(f.h.drawing->RegenCount(), 0);
}

TEST(AlignTest, BlankLinesDeleteAndLeaveNoNewText) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}, {u"C", 2, 2}});
  f.Align(u"A\r\n\r\nC", u"10", u"0");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "C@20,0"}));
  EXPECT_EQ(EntityList[1].insPt, MakePoint(10, 0, 0));  // keeps the new pitch point
  f.h.drawing->ClearCallLog();
  f.Align(u"A\r\n \r\nC", u"10", u"0");  // the slot's blank line: copied and deleted again
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "C@20,0"}));
  EXPECT_EQ(f.h.drawing->Calls().Count(ObjectKind::Text, u"Copy"), 1u);
  f.Align(u"A\r\nnew\r\nC", u"10", u"0");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "C@20,0", "new@10,0"}));
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, true, true}));
}

TEST(AlignTest, TextsKeepTheirOwnAlignment) {
  AlignFixture f({{u"L", 0, 0, 0}, {u"R", 5, 5, 2}, {u"M", 9, 9, 10}});
  f.Align(u"L\r\nR\r\nM", u"0", u"-10");
  EXPECT_EQ(f.Texts(), (Strings{"L@0,0", "R@0,-10", "M@0,-20"}));
  EXPECT_EQ(f.h.drawing->Find(f.ids[1])->alignment, 2);
}

TEST(AlignTest, AnErasedTextMovesNothingElse) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}, {u"C", 2, 2}});
  f.h.drawing->Erase(f.ids[1]);
  f.Align(u"A\r\nB\r\nC", u"10", u"0");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "C@20,0"}));
  EXPECT_EQ(EntityList[1].insPt, MakePoint(10, 0, 0));
  EXPECT_TRUE(f.h.messages.shown.empty());
}

TEST(AlignTest, FewerThanTwoEntriesOrNoPointChangeNothing) {
  AlignFixture one({{u"A", 4, 4}});
  one.Align(u"A\r\nB", u"10", u"0");
  EXPECT_EQ(one.Texts(), (Strings{"A@4,4"}));
  EXPECT_EQ(one.h.desktop.escapes, 2);  // the CAD still came to the front

  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}});
  EntityList[0] = Kelvo{};  // a slot without a point, as a resize leaves it
  f.Align(u"A\r\nB", u"10", u"0");
  ASSERT_EQ(f.h.messages.shown.size(), 1u);
  EXPECT_EQ(f.h.messages.shown[0].text, kFailed);
  EXPECT_FALSE(f.h.form.runFlag);
  EXPECT_FALSE(f.h.SpeedButton5.Enabled());
}

TEST(AlignTest, EnterInDyAlignsOnlyWhenTheButtonIsEnabled) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}});
  f.h.Memo1.SetText(u"A\r\nB");
  f.h.Edit1.SetText(u"5");
  f.h.Edit2.SetText(u"0");
  f.h.SpeedButton6.SetEnabled(false);
  char16_t key = u'\r';
  f.h.form.Edit2KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "B@1,1"}));
  f.h.SpeedButton6.SetEnabled(true);
  key = u'\r';
  f.h.form.Edit2KeyPress(key);
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "B@5,0"}));
  EXPECT_TRUE(f.h.Edit2.focused);
}

TEST(AlignTest, AbortStopsBetweenEntries) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 1, 1}, {u"C", 2, 2}});
  bool pressed = false;
  f.h.messages.onPump = [&] {
    if (!pressed) {
      pressed = true;
      f.h.form.SpeedButton5Click();
    }
  };
  f.Align(u"A\r\nB\r\nC\r\nD", u"10", u"0");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,0", "B@1,1", "C@2,2"}));
  EXPECT_EQ(EntityList.size(), 3u);
  EXPECT_FALSE(f.h.form.runFlag);
}

// Every CAD call of a standard align, made to fail in turn.
// Left texts, and aligned ones that move with both of their points.
TEST(AlignTest, AFailingCallLeavesNoUntrackedText) {
  for (int a : {0, 3}) {
    auto prepare = [](AlignFixture& f) {
      f.Align(u"A\r\n\r\nC\r\nD", u"10", u"0");  // entry 1 becomes an empty slot
      f.h.messages.shown.clear();
      f.h.drawing->ClearCallLog();
    };
    const char16_t* lines = u"A2\r\nB2\r\nC\r\nD\r\n\r\nF";
    AlignFixture probe(
        {{u"A", 0, 0, a}, {u"B", 1, 1, a}, {u"C", 2, 2, a}, {u"D", 3, 3, a}, {u"E", 4, 4, a}});
    prepare(probe);
    probe.Align(lines, u"10", u"0");
    std::vector<sim::CallRecord> calls = probe.h.drawing->Calls().Records();
    ASSERT_EQ(probe.Texts(), (Strings{"A2@0,0", "C@20,0", "D@30,0", "B2@10,0", "F@50,0"}));

    std::map<std::u16string, int> seen;
    for (const sim::CallRecord& call : calls) {
      int nth = ++seen[call.member];
      std::string where =
          ToUtf8(call.member) + " #" + std::to_string(nth) + " alignment " + std::to_string(a);
      AlignFixture f(
          {{u"A", 0, 0, a}, {u"B", 1, 1, a}, {u"C", 2, 2, a}, {u"D", 3, 3, a}, {u"E", 4, 4, a}});
      prepare(f);
      std::set<std::int64_t> before;
      for (const sim::Entity& e : f.h.drawing->LiveEntities()) before.insert(e.id);
      f.h.drawing->FailCall(call.member, nth);
      f.Align(lines, u"10", u"0");
      EXPECT_EQ(f.h.Memo1.Text(), lines) << where;
      EXPECT_FALSE(f.h.form.runFlag) << where;
      bool beforeTheRun = call.member == u"HWND" || call.member == u"ActiveDocument";
      for (const auto& m : f.h.messages.shown) {
        EXPECT_EQ(m.style, beforeTheRun ? MessageStyle::Error : MessageStyle::Plain) << where;
        if (!beforeTheRun) {
          EXPECT_EQ(m.text, kFailed) << where;
        }
      }
      std::set<std::int64_t> tracked;
      for (const Kelvo& k : EntityList) tracked.insert(k.objId);
      for (const sim::Entity& e : f.h.drawing->LiveEntities()) {
        EXPECT_TRUE(tracked.count(e.id) || before.count(e.id)) << where << ": " << ToUtf8(e.text);
      }
    }
    EXPECT_GT(seen.size(), 8u);
  }
}

// An aligned or fitted text lies between its two points: it is moved, not
// stretched, so it keeps its length.
TEST(AlignTest, AlignedAndFitTextsMoveWithBothPoints) {
  for (int alignment : {3, 5}) {
    AlignFixture f({{u"L", 0, 5}, {u"AB", 30, 5, alignment}, {u"CD", 31, 9, alignment}});
    f.Align(u"L\r\nAB\r\nCD", u"20", u"0");
    ASSERT_TRUE(f.h.messages.shown.empty()) << alignment;
    for (int i = 1; i <= 2; ++i) {
      const sim::Entity* e = f.h.drawing->Find(f.ids[static_cast<std::size_t>(i)]);
      EXPECT_EQ(e->alignmentPoint, (sim::Point{20.0 * i, 5, 0})) << alignment;
      EXPECT_EQ(e->insertion, (sim::Point{20.0 * i - 5, 5, 0})) << alignment;
    }
  }
}

// A slot must not copy a text that a blank line deleted earlier in the run.
TEST(AlignTest, ASourceDeletedInTheRunIsNotCopiedAgain) {
  AlignFixture f({{u"P", 0, 5}, {u"B", 10, 5}, {u"Q", 20, 5}});
  f.h.Memo1.SetText(u"\r\nB");
  f.h.Edit1.SetText(u"10");
  f.h.Run(&TKelvoMainForm::SpeedButton2Click);
  f.h.Memo1.SetText(u"\r\nB\r\n\r\nz");
  f.h.Edit1.SetText(u"0");
  f.h.Run(&TKelvoMainForm::SpeedButton2Click);  // a zero pitch appends slots
  ASSERT_EQ(f.Live(), (std::vector<bool>{false, true, false, false}));
  f.h.messages.shown.clear();
  f.Align(u"x\r\n \r\ny", u"10", u"0");
  EXPECT_TRUE(f.h.messages.shown.empty());
  EXPECT_EQ(f.Texts(), (Strings{"x@0,5", "y@20,5"}));
}

TEST(AlignTest, OneUndoInTheCadTakesBackTheWholeRun) {
  AlignFixture f({{u"A", 0, 0}, {u"B", 7, 3}, {u"C", 9, 9}});
  std::vector<sim::Entity> before = f.h.drawing->LiveEntities();
  f.Align(u"A2\r\n\r\nC\r\nD", u"10", u"0");
  ASSERT_EQ(f.Texts(), (Strings{"A2@0,0", "C@20,0", "D@30,0"}));
  f.h.drawing->Undo();
  EXPECT_EQ(f.h.drawing->LiveEntities(), before);
  EXPECT_EQ(f.h.drawing->OpenUndoMarks(), 0);
}

}  // namespace
}  // namespace kelvo
