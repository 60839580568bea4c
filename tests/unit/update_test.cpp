#include <gtest/gtest.h>

#include <set>

#include "base/text.h"
#include "cad/update.h"
#include "support/main_form_harness.h"
#include "ui/memo_lines.h"

namespace kelvo {
namespace {

using sim::ObjectKind;
using test::MainFormHarness;

constexpr char16_t kFailed[] = u"エラーのため、更新を中止しました．";
constexpr char16_t kZeroPitch[] = u"dX, dY が 0 のため、追加を中止しました．";

// Texts fetched left to right at X = 0, 10, 20, ... on Y = 5, sort off.
struct UpdateFixture {
  explicit UpdateFixture(std::vector<std::u16string> texts, std::vector<int> alignments = {}) {
    h.CheckBox1.SetChecked(false);
    std::vector<std::int64_t> ids;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      int alignment = i < alignments.size() ? alignments[i] : 0;
      ids.push_back(h.drawing->AddText(texts[i], 10.0 * static_cast<double>(i), 5, alignment));
    }
    h.Fetch(ids);
    h.messages.shown.clear();
    h.drawing->ClearCallLog();
    fetched = ids;
  }

  void Update(std::u16string_view lines, std::u16string_view dX = u"10",
              std::u16string_view dY = u"0") {
    h.Memo1.SetText(lines);
    h.Edit1.SetText(dX);
    h.Edit2.SetText(dY);
    h.Run(&TKelvoMainForm::SpeedButton2Click);
  }

  // The live texts of the drawing as "text@x,y", in id order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const sim::Entity& e : h.drawing->LiveEntities()) {
      const sim::Point& p = e.alignment == 0 ? e.insertion : e.alignmentPoint;
      texts.push_back(ToUtf8(e.text) + "@" + std::to_string(int(p[0])) + "," +
                      std::to_string(int(p[1])));
    }
    return texts;
  }
  std::size_t Calls(std::u16string_view member) const {
    return h.drawing->Calls().Count(ObjectKind::Text, member);
  }
  std::vector<bool> Live() const {
    std::vector<bool> live;
    for (const Kelvo& k : EntityList) live.push_back(k.objId != 0);
    return live;
  }

  MainFormHarness h;
  std::vector<std::int64_t> fetched;
};

using Strings = std::vector<std::string>;

TEST(UpdateTest, UnchangedLinesCostOneReadEach) {
  UpdateFixture f({u"A", u"B", u"C"});
  f.Update(u"A\r\nB\r\nC");
  EXPECT_EQ(f.Calls(u"TextString"), 3u);
  EXPECT_EQ(f.h.drawing->Calls().Count(ObjectKind::Text, u"TextString", CallKind::Put), 0u);
  EXPECT_EQ(f.Calls(u"Copy"), 0u);
  EXPECT_EQ(f.h.drawing->RegenCount(), 1);
  EXPECT_TRUE(f.h.messages.shown.empty());
  EXPECT_EQ(f.Texts(), (Strings{"A@0,5", "B@10,5", "C@20,5"}));
}

struct PairingCase {
  const char* name;
  std::vector<std::u16string> fetched;
  const char16_t* lines;
  const char16_t* dX;
  Strings texts;           // the drawing afterwards
  std::vector<bool> live;  // the list afterwards
  const char16_t* message;
};

void PrintTo(const PairingCase& c, std::ostream* os) {
  *os << c.name;
}

class UpdatePairingTest : public testing::TestWithParam<PairingCase> {};

TEST_P(UpdatePairingTest, DrawingAndList) {
  const PairingCase& c = GetParam();
  UpdateFixture f(c.fetched);
  f.Update(c.lines, c.dX);
  EXPECT_EQ(f.Texts(), c.texts);
  EXPECT_EQ(f.Live(), c.live);
  EXPECT_EQ(static_cast<int>(EntityList.size()), CountDataLines(f.h.Memo1));
  if (c.message == nullptr) {
    EXPECT_TRUE(f.h.messages.shown.empty());
  } else {
    ASSERT_EQ(f.h.messages.shown.size(), 1u);
    EXPECT_EQ(f.h.messages.shown[0].text, c.message);
  }
  EXPECT_EQ(f.h.drawing->RegenCount(), 1);
  EXPECT_EQ(f.h.Memo1.Text(), c.lines);
  EXPECT_FALSE(f.h.form.runFlag);
  EXPECT_FALSE(f.h.SpeedButton5.Enabled());
  EXPECT_FALSE(f.h.Label2.Visible());
  EXPECT_TRUE(f.h.SpeedButton3.Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdatePairingTest,
    testing::Values(
        PairingCase{"BlankLineInTheMiddle",
                    {u"A", u"B", u"C"},
                    u"A\r\n \r\nC",
                    u"10",
                    {"A@0,5", "C@20,5"},
                    {true, false, true},
                    nullptr},
        PairingCase{"FewerLines", {u"A", u"B", u"C"}, u"A", u"10", {"A@0,5"}, {true}, nullptr},
        PairingCase{"MoreLines",
                    {u"A", u"B", u"C"},
                    u"A\r\nB\r\nC\r\nD\r\nE",
                    u"10",
                    {"A@0,5", "B@10,5", "C@20,5", "D@30,5", "E@40,5"},
                    {true, true, true, true, true},
                    nullptr},
        PairingCase{"MoreLinesWithABlankExtraLine",
                    {u"A", u"B", u"C"},
                    u"A\r\nB\r\nC\r\n\r\nE",
                    u"10",
                    {"A@0,5", "B@10,5", "C@20,5", "E@40,5"},
                    {true, true, true, false, true},
                    nullptr},
        PairingCase{"ZeroPitch",
                    {u"A", u"B", u"C"},
                    u"A\r\nB\r\nC\r\nD\r\nE",
                    u"0",
                    {"A@0,5", "B@10,5", "C@20,5"},
                    {true, true, true, false, false},
                    kZeroPitch},
        PairingCase{"PitchJustBelowTheBound",
                    {u"A", u"B"},
                    u"A\r\nB\r\nC",
                    u"0.0009",
                    {"A@0,5", "B@10,5"},
                    {true, true, false},
                    kZeroPitch},
        PairingCase{"PitchAtTheBound",
                    {u"A", u"B"},
                    u"A\r\nB\r\nC",
                    u"-0.001",
                    {"A@0,5", "B@10,5", "C@9,5"},
                    {true, true, true},
                    nullptr},
        PairingCase{"PitchThatIsNoNumber",
                    {u"A", u"B"},
                    u"A\r\nB\r\nC",
                    u"ten",
                    {"A@0,5", "B@10,5"},
                    {true, true, false},
                    kZeroPitch},
        PairingCase{"LeadingSpacesAndIdeographicSpaces",
                    {u"A", u"B"},
                    u"  x\r\n\u3000\u3000",
                    u"10",
                    {"  x@0,5", "\xE3\x80\x80\xE3\x80\x80@10,5"},
                    {true, true},
                    nullptr},
        PairingCase{"OnlyBlankLines", {u"A", u"B"}, u" \r\n\r\n", u"10", {}, {}, nullptr}),
    [](const testing::TestParamInfo<PairingCase>& info) { return std::string(info.param.name); });

TEST(UpdateTest, ExtraLinesStepFromTheLastEntrysPoint) {
  UpdateFixture f({u"A", u"B", u"C"});
  f.Update(u"A\r\nB\r\nC\r\n\r\nE");
  EXPECT_EQ(EntityList[3].insPt, MakePoint(30, 5, 0));
  EXPECT_EQ(EntityList[4].insPt, MakePoint(40, 5, 0));
  EXPECT_EQ(EntityList[4].text, u"E");
  // Each extra text: the copy, its alignment, point, string and the read-back.
  EXPECT_EQ(f.Calls(u"Copy"), 1u);
}

TEST(UpdateTest, EmptyEditorDoesNothingAtAll) {
  UpdateFixture f({u"A"});
  f.Update(u"");
  EXPECT_TRUE(f.h.drawing->Calls().Records().empty());
  EXPECT_EQ(f.h.drawing->RegenCount(), 0);
  EXPECT_EQ(EntityList.size(), 1u);
}

TEST(UpdateTest, AnEarlierEmptySlotIsFilledWithTheLastEntrysAlignmentAtItsPoint) {
  UpdateFixture f({u"A", u"B", u"C"}, {0, 0, 2});
  f.Update(u"A\r\n\r\nC");
  ASSERT_EQ(f.Live(), (std::vector<bool>{true, false, true}));
  f.h.drawing->ClearCallLog();
  f.Update(u"A\r\nnew\r\nC");
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(f.Texts(), (Strings{"A@0,5", "C@20,5", "new@10,5"}));
  // The copy got entry 2's alignment, and the slot now says so.
  EXPECT_EQ(EntityList[1].txtAli, 2);
  EXPECT_EQ(f.h.drawing->Find(EntityList[1].objId)->alignment, 2);
  EXPECT_EQ(f.h.drawing->Find(EntityList[1].objId)->alignmentPoint, (sim::Point{10, 5, 0}));
  EXPECT_EQ(f.Calls(u"Copy"), 1u);
}

TEST(UpdateTest, SlotsWithoutAPointArePlacedOnePitchPastTheEntryBefore) {
  UpdateFixture f({u"A", u"B"});
  f.Update(u"A\r\nB\r\nC\r\nD", u"0");  // zero pitch: two slots without a point
  ASSERT_EQ(f.Live(), (std::vector<bool>{true, true, false, false}));
  EXPECT_TRUE(EntityList[3].insPt.IsEmpty());
  f.h.messages.shown.clear();
  f.Update(u"A\r\nB\r\nC\r\nD", u"10");
  EXPECT_TRUE(f.h.messages.shown.empty());
  EXPECT_EQ(f.Texts(), (Strings{"A@0,5", "B@10,5", "C@20,5", "D@30,5"}));
  EXPECT_EQ(EntityList[3].insPt, MakePoint(30, 5, 0));
}

// An entity erased in the CAD since the fetch takes no line, and its entry
// leaves the list, so that every text the run wrote or made stays in it and
// line i keeps belonging to entry i.
TEST(UpdateTest, AnErasedEntityTakesNoLineAndLeavesTheList) {
  {  // its line removed as well
    UpdateFixture f({u"A", u"B", u"C"});
    f.h.drawing->Erase(f.fetched[1]);
    f.Update(u"A\r\nC2");
    EXPECT_EQ(f.Texts(), (Strings{"A@0,5", "C2@20,5"}));
    ASSERT_EQ(EntityList.size(), 2u);
    EXPECT_EQ(EntityList[0].objId, f.fetched[0]);
    EXPECT_EQ(EntityList[1].objId, f.fetched[2]);
    EXPECT_EQ(f.Calls(u"Copy"), 0u);
  }
  {  // all lines left: the third line becomes a new text one pitch past entry 2
    UpdateFixture f({u"A", u"B", u"C"});
    f.h.drawing->Erase(f.fetched[1]);
    f.Update(u"A\r\nB\r\nC");
    EXPECT_EQ(f.Texts(), (Strings{"A@0,5", "B@20,5", "C@30,5"}));
    ASSERT_EQ(EntityList.size(), 3u);
    EXPECT_EQ(EntityList[1].objId, f.fetched[2]);
    EXPECT_EQ(f.h.drawing->Find(EntityList[2].objId)->text, u"C");
  }
}

TEST(UpdateTest, RepeatedUpdatesAfterAnErasureMakeNoUntrackedCopies) {
  UpdateFixture f({u"A", u"B", u"C"});
  f.h.drawing->Erase(f.fetched[1]);
  for (int run = 0; run < 3; ++run) f.Update(u"A\r\nB\r\nC");
  EXPECT_EQ(f.Texts(), (Strings{"A@0,5", "B@20,5", "C@30,5"}));
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, true, true}));
}

// A text that refuses its new string keeps its line all the same, and the run
// says how many texts could not be written.
TEST(UpdateTest, ARefusedWriteKeepsItsLineAndIsReported) {
  struct Case {
    const char* name;
    const char16_t* lines;
    Strings texts;
  } cases[] = {
      {"rewrite", u"A2\r\nB2\r\nC2", {"A2@0,5", "B@10,5", "C2@20,5"}},
      {"deletion", u"A2\r\n\r\nC2", {"A2@0,5", "B@10,5", "C2@20,5"}},
      {"deletion past the data", u"A2", {"A2@0,5", "B@10,5"}},
  };
  for (const Case& c : cases) {
    MainFormHarness h;
    h.CheckBox1.SetChecked(false);
    std::vector<std::int64_t> ids{h.drawing->AddText(u"A", 0, 5),
                                  h.drawing->AddText(u"B", 10, 5, 0, u"Locked"),
                                  h.drawing->AddText(u"C", 20, 5)};
    h.Fetch(ids);
    h.messages.shown.clear();
    h.drawing->SetLayerLocked(u"Locked", true);
    h.Memo1.SetText(c.lines);
    h.Edit1.SetText(u"10");
    h.Run(&TKelvoMainForm::SpeedButton2Click);
    Strings texts;
    for (const sim::Entity& e : h.drawing->LiveEntities()) {
      texts.push_back(ToUtf8(e.text) + "@" + std::to_string(int(e.insertion[0])) + "," +
                      std::to_string(int(e.insertion[1])));
    }
    EXPECT_EQ(texts, c.texts) << c.name;
    ASSERT_EQ(h.messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(h.messages.shown[0].text,
              u"1 個の TEXT に書き込めませんでした．画層がロックされていないか確認してください．");
    EXPECT_EQ(EntityList.size(), static_cast<std::size_t>(CountDataLines(h.Memo1))) << c.name;
    EXPECT_EQ(EntityList[0].objId, ids[0]) << c.name;
  }
}

// A slot that copied an entry's text must not copy it again once a blank
// line has deleted it: the next slot finds a live source anew.
TEST(UpdateTest, ASourceDeletedInThePassIsNotCopiedAgain) {
  UpdateFixture f({u"P", u"B", u"Q"});
  f.Update(u"\r\nB");
  f.Update(u"\r\nB\r\n\r\nz", u"0");  // a zero pitch appends slots
  ASSERT_EQ(f.Live(), (std::vector<bool>{false, true, false, false}));
  f.h.messages.shown.clear();
  f.Update(u"x\r\n \r\ny");
  EXPECT_TRUE(f.h.messages.shown.empty());
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, false, true}));
  std::vector<std::u16string> texts;
  for (const sim::Entity& e : f.h.drawing->LiveEntities()) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"x", u"y"}));
}

TEST(UpdateTest, AbortStopsThePassAndAddsNothing) {
  UpdateFixture f({u"A", u"B", u"C"});
  bool pressed = false;
  f.h.messages.onPump = [&] {
    if (!pressed) {
      pressed = true;
      f.h.form.SpeedButton5Click();
    }
  };
  f.Update(u"a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(f.Texts(), (Strings{"a@0,5", "B@10,5", "C@20,5"}));
  EXPECT_EQ(EntityList.size(), 5u);
  EXPECT_EQ(f.Live(), (std::vector<bool>{true, true, true, false, false}));
  EXPECT_EQ(f.h.drawing->RegenCount(), 1);
  EXPECT_FALSE(f.h.form.runFlag);
  EXPECT_FALSE(f.h.SpeedButton5.Enabled());
}

TEST(UpdateTest, CtrlEnterRunsUpdateEvenWhileTheButtonIsDisabled) {
  UpdateFixture f({u"A"});
  f.h.SpeedButton2.SetEnabled(false);
  f.h.Memo1.SetText(u"Z");
  char16_t key = 10;
  f.h.desktop.ctrlDown = false;
  f.h.form.Memo1KeyPress(key);
  EXPECT_EQ(key, 10);
  EXPECT_EQ(f.Texts(), (Strings{"A@0,5"}));
  f.h.desktop.ctrlDown = true;
  f.h.desktop.calls.clear();
  f.h.form.Memo1KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(f.Texts(), (Strings{"Z@0,5"}));
  EXPECT_EQ(f.h.desktop.calls.back(),
            "SetForegroundWindow(" + std::to_string(test::kMainWindowHandle) + ")");
}

TEST(UpdateTest, CopiesOfAnAlignedTextKeepItsLength) {
  UpdateFixture f({u"A", u"BC"}, {0, 3});  // BC runs from 5 to 10 on Y 5
  f.Update(u"A\r\nBC\r\nDE");
  ASSERT_EQ(EntityList.size(), 3u);
  const sim::Entity* copy = f.h.drawing->Find(EntityList[2].objId);
  EXPECT_EQ(copy->alignmentPoint, (sim::Point{20, 5, 0}));
  EXPECT_EQ(copy->insertion, (sim::Point{15, 5, 0}));
  EXPECT_EQ(copy->text, u"DE");
}

// One undo in the CAD takes back a whole run: rewritten, deleted and added
// texts and a refilled slot.
TEST(UpdateTest, OneUndoInTheCadTakesBackTheWholeRun) {
  UpdateFixture f({u"A", u"B", u"C"});
  f.Update(u"A\r\n\r\nC");  // entry 1 becomes a slot
  std::vector<sim::Entity> before = f.h.drawing->LiveEntities();
  std::size_t steps = f.h.drawing->UndoSteps();
  f.Update(u"A2\r\nB\r\n\r\nD\r\nE");
  ASSERT_EQ(f.Texts(), (Strings{"A2@0,5", "B@10,5", "D@30,5", "E@40,5"}));
  EXPECT_EQ(f.h.drawing->UndoSteps(), steps + 1);
  EXPECT_EQ(f.h.drawing->OpenUndoMarks(), 0);
  f.h.drawing->Undo();
  EXPECT_EQ(f.h.drawing->LiveEntities(), before);
}

// A CAD without undo marks, or one that refuses them, gets the run as before.
TEST(UpdateTest, ACadThatRefusesUndoMarksGetsTheRunAsBefore) {
  for (const char16_t* member : {u"StartUndoMark", u"EndUndoMark"}) {
    UpdateFixture f({u"A", u"B"});
    f.h.drawing->FailAll(member);
    f.Update(u"A2\r\nB\r\nC");
    EXPECT_EQ(f.Texts(), (Strings{"A2@0,5", "B@10,5", "C@20,5"}));
    EXPECT_TRUE(f.h.messages.shown.empty());
  }
}

// Every CAD call of a standard update, made to fail in turn: the run ends with
// the fixed message, or goes on where an entry is passed over or a text
// refuses its line (and says so); the editor is untouched, the list matches
// the data lines, no text exists that is neither in the list nor was there
// before, and where the run went to its end, line i is in entry i's text.
// Left texts, and aligned ones whose copies move with both of their points.
TEST(UpdateTest, AFailingCallLeavesNoUntrackedText) {
  for (int a : {0, 3}) {
    std::vector<int> alignments(4, a);
    auto standard = [](UpdateFixture& f) {
      f.Update(u"A\r\n\r\nC\r\nD");  // entry 1 becomes an empty slot with a point
      f.h.messages.shown.clear();
      f.h.drawing->ClearCallLog();
    };
    const char16_t* lines = u"A2\r\nB2\r\n\r\nD\r\nE\r\n\r\nG";
    UpdateFixture probe({u"A", u"B", u"C", u"D"}, alignments);
    standard(probe);
    probe.Update(lines);
    std::vector<sim::CallRecord> calls = probe.h.drawing->Calls().Records();
    ASSERT_EQ(probe.Texts(), (Strings{"A2@0,5", "D@30,5", "B2@10,5", "E@40,5", "G@60,5"}));

    std::map<std::u16string, int> seen;
    for (const sim::CallRecord& call : calls) {
      int nth = ++seen[call.member];
      std::string where =
          ToUtf8(call.member) + " #" + std::to_string(nth) + " alignment " + std::to_string(a);
      UpdateFixture f({u"A", u"B", u"C", u"D"}, alignments);
      standard(f);
      std::set<std::int64_t> before;
      for (const sim::Entity& e : f.h.drawing->LiveEntities()) before.insert(e.id);
      f.h.drawing->FailCall(call.member, nth);
      f.Update(lines);

      EXPECT_EQ(f.h.Memo1.Text(), lines) << where;
      EXPECT_FALSE(f.h.form.runFlag) << where;
      bool beforeTheRun = call.member == u"HWND" || call.member == u"ActiveDocument";
      bool ended = false;
      bool refused = false;
      if (beforeTheRun || call.member == u"Regen") {
        // Not caught by the command: the default error report.
        ASSERT_EQ(f.h.messages.shown.size(), 1u) << where;
        EXPECT_EQ(f.h.messages.shown[0].style, MessageStyle::Error) << where;
      } else {
        for (const auto& m : f.h.messages.shown) {
          ended = ended || m.text == kFailed;
          refused = refused || m.text == RefusedTextsMessage(1);
          EXPECT_TRUE(m.text == kFailed || m.text == RefusedTextsMessage(1)) << where;
        }
      }
      EXPECT_EQ(EntityList.size(), beforeTheRun ? 4u : 7u) << where;
      std::set<std::int64_t> tracked;
      for (const Kelvo& k : EntityList) tracked.insert(k.objId);
      int untracked = 0;
      for (const sim::Entity& e : f.h.drawing->LiveEntities()) {
        if (!tracked.count(e.id) && !before.count(e.id)) ++untracked;
      }
      EXPECT_EQ(untracked, 0) << where;
      if (beforeTheRun || ended) continue;
      int mismatches = 0;
      for (std::size_t i = 0; i < EntityList.size(); ++i) {
        const sim::Entity* e = f.h.drawing->Find(EntityList[i].objId);
        std::u16string line = f.h.Memo1.Line(static_cast<int>(i));
        if (EntityList[i].objId == 0 ? !IsBlank(line) : e->erased || e->text != line) ++mismatches;
      }
      EXPECT_LE(mismatches, refused ? 1 : 0) << where;
    }
    EXPECT_GT(seen.size(), 8u);
  }
}

}  // namespace
}  // namespace kelvo
