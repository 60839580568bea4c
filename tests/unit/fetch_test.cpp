#include <gtest/gtest.h>

#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

struct Placed {
  const char16_t* text;
  double x;
  double y;
};

struct FetchCase {
  const char* name;
  std::vector<Placed> texts;  // picked in this order
  bool sort;
  const char16_t* lines;
  const char16_t* dX;
  const char16_t* dY;
  bool red;
};

void PrintTo(const FetchCase& c, std::ostream* os) {
  *os << c.name;
}

class FetchOrderTest : public testing::TestWithParam<FetchCase> {};

TEST_P(FetchOrderTest, FillsEditorListAndPitch) {
  const FetchCase& c = GetParam();
  MainFormHarness h;
  h.CheckBox1.SetChecked(c.sort);
  std::vector<std::int64_t> ids;
  for (const Placed& p : c.texts) ids.push_back(h.drawing->AddText(p.text, p.x, p.y));
  h.Fetch(ids);

  EXPECT_EQ(h.Memo1.Text(), c.lines);
  ASSERT_EQ(EntityList.size(), c.texts.size());
  for (std::size_t i = 0; i < EntityList.size(); ++i) {
    EXPECT_EQ(EntityList[i].text, h.Memo1.Line(static_cast<int>(i)));
    EXPECT_NE(EntityList[i].objId, 0);
  }
  EXPECT_EQ(h.Edit1.Text(), c.dX);
  EXPECT_EQ(h.Edit2.Text(), c.dY);
  EXPECT_EQ(h.Edit1.FontColor(), c.red ? kRed : kBlack);
  EXPECT_EQ(h.Edit2.FontColor(), c.red ? kRed : kBlack);
  if (c.red) {
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(
        h.messages.shown[0].text,
        u"dX, dY が 0 です．\rdX, dY の値を設定するか、[取得]で複数の TEXT を選択してください．");
    EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Plain);
  } else {
    EXPECT_TRUE(h.messages.shown.empty());
  }
  EXPECT_TRUE(h.SpeedButton2.Enabled());
  EXPECT_EQ(h.SpeedButton6.Enabled(), c.texts.size() >= 2);
  EXPECT_EQ(h.Memo1.SelStart(), 0);
  EXPECT_TRUE(h.drawing->SelectionSetNames().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Orders, FetchOrderTest,
    testing::Values(FetchCase{"Column",
                              {{u"30", 0, 30}, {u"10", 0, 10}, {u"20", 0, 20}},
                              true,
                              u"30\r\n20\r\n10",
                              u"0.00",
                              u"-10.00",
                              false},
                    FetchCase{"Row",
                              {{u"5", 5, 0}, {u"1", 1, 0}, {u"3", 3, 0}},
                              true,
                              u"1\r\n3\r\n5",
                              u"2.00",
                              u"0.00",
                              false},
                    FetchCase{"EqualKeysExchangeOrder",
                              {{u"a", 2, 0}, {u"b", 2, 0}, {u"c", 1, 0}},
                              true,
                              u"c\r\nb\r\na",
                              u"0.00",
                              u"0.00",
                              true},
                    FetchCase{"EqualSpreadsChooseY",
                              {{u"p", 0, 0}, {u"q", 5, 5}},
                              true,
                              u"q\r\np",
                              u"-5.00",
                              u"-5.00",
                              false},
                    FetchCase{"SortOffKeepsPickOrder",
                              {{u"5", 5, 0}, {u"1", 1, 0}, {u"3", 3, 7}},
                              false,
                              u"5\r\n1\r\n3",
                              u"2.00",
                              u"7.00",
                              false},
                    FetchCase{
                        "OneText", {{u"会議室", 10, 10}}, true, u"会議室", u"0.00", u"0.00", true},
                    FetchCase{"PitchBelowHalfHundredth",
                              {{u"A", 0, 0}, {u"B", 0.004, -0.0049}},
                              false,
                              u"A\r\nB",
                              u"0.00",
                              u"0.00",
                              true},
                    FetchCase{"PitchAtHalfHundredth",
                              {{u"A", 0, 0}, {u"B", 0.006, 0}},
                              false,
                              u"A\r\nB",
                              u"0.01",
                              u"0.00",
                              false}),
    [](const testing::TestParamInfo<FetchCase>& info) { return std::string(info.param.name); });

TEST(FetchTest, AnchorFollowsAlignment) {
  MainFormHarness h;
  h.CheckBox1.SetChecked(false);
  auto left = h.drawing->AddText(u"L", 1, 2, 0);
  auto centred = h.drawing->AddText(u"C", 10, 20, 1, u"文字");
  h.Fetch({left, centred});
  ASSERT_EQ(EntityList.size(), 2u);
  EXPECT_EQ(EntityList[0].insPt, MakePoint(1, 2, 0));
  EXPECT_EQ(EntityList[1].insPt, MakePoint(10, 20, 0));
  EXPECT_EQ(EntityList[1].txtAli, 1);
  EXPECT_EQ(EntityList[1].lay, u"文字");
  EXPECT_EQ(EntityList[1].index, 1);
  EXPECT_EQ(EntityList[1].sHnd, h.drawing->Find(centred)->handle);
}

TEST(FetchTest, ReadsEachTextWithTheMinimalSequence) {
  MainFormHarness h;
  std::vector<std::int64_t> ids;
  for (int i = 0; i < 4; ++i) ids.push_back(h.drawing->AddText(u"No.00" + ToU16(i), i, 0));
  h.drawing->ClearCallLog();
  h.Fetch(ids);
  using sim::ObjectKind;
  const auto& log = h.drawing->Calls();
  EXPECT_EQ(log.Count(ObjectKind::SelectionSet, u"Item"), 4u);
  for (const char16_t* member : {u"EntityName", u"TextString", u"Handle", u"ObjectId", u"Alignment",
                                 u"InsertionPoint", u"Layer"}) {
    EXPECT_EQ(log.Count(ObjectKind::Text, member), 4u) << ToUtf8(member);
  }
  EXPECT_EQ(log.Count(ObjectKind::Text, u"TextAlignmentPoint"), 0u);
  // Besides the texts: the window handle three times, the document, the set's
  // lookup and creation, the picking, and emptying and deleting the set.
  EXPECT_EQ(log.Text(),
            u"Application.HWND\nApplication.HWND\nApplication.HWND\n"
            u"Application.ActiveDocument\nDocument.SelectionSets\nSelectionSets.Count\n"
            u"SelectionSets.Add\nSelectionSet.Clear\nSelectionSet.SelectOnScreen\n"
            u"SelectionSet.Count\n" +
                std::u16string(log.Text()).substr(log.Text().find(u"SelectionSet.Item")));
  EXPECT_EQ(log.Records().size(), 4u * 8 + 12);
  EXPECT_EQ(log.Records().back().member, u"Delete");
}

TEST(FetchTest, NothingPickedOrCancelledChangesNothing) {
  for (bool cancel : {false, true}) {
    MainFormHarness h;
    auto a = h.drawing->AddText(u"A", 0, 0);
    auto b = h.drawing->AddText(u"B", 0, 10);
    h.Fetch({a, b});
    h.Memo1.SetText(u"edited");
    h.Edit1.SetText(u"9");
    h.messages.shown.clear();
    h.desktop.calls.clear();
    if (cancel) {
      h.drawing->QueueCancel();
      h.Run(&TKelvoMainForm::SpeedButton1Click);
    } else {
      h.Fetch({});
    }
    EXPECT_EQ(EntityList.size(), 2u);
    EXPECT_EQ(h.Memo1.Text(), u"edited");
    EXPECT_EQ(h.Edit1.Text(), u"9");
    EXPECT_TRUE(h.SpeedButton6.Enabled());
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_TRUE(h.drawing->SelectionSetNames().empty());
    std::string main = std::to_string(test::kMainWindowHandle);
    EXPECT_EQ(h.desktop.calls,
              (std::vector<std::string>{
                  "IsIconic(" + std::to_string(h.drawing->WindowHandle()) + ")",
                  "SetForegroundWindow(" + std::to_string(h.drawing->WindowHandle()) + ")",
                  "GetForegroundWindow(0)", "PressEscape", "Sleep(5)",
                  "GetWindowThreadProcessId(" + main + ")", "GetForegroundWindow(0)",
                  "GetWindowThreadProcessId(" + std::to_string(h.drawing->WindowHandle()) + ")",
                  "SetForegroundWindow(" + main + ")", "AttachThreadInput(1,2,1)",
                  "BringWindowToTop(" + main + ")", "AttachThreadInput(1,2,0)"}));
  }
}

TEST(FetchTest, ShorterSecondFetchShortensTheList) {
  MainFormHarness h;
  auto a = h.drawing->AddText(u"A", 0, 30);
  auto b = h.drawing->AddText(u"B", 0, 20);
  auto c = h.drawing->AddText(u"C", 0, 10);
  h.Fetch({a, b, c});
  h.Fetch({c});
  ASSERT_EQ(EntityList.size(), 1u);
  EXPECT_EQ(EntityList[0].objId, c);
  EXPECT_EQ(h.Memo1.Text(), u"C");
  EXPECT_FALSE(h.SpeedButton6.Enabled());
}

TEST(FetchTest, ReusesALeftOverTempSetAndRemovesIt) {
  // The CAD's set names are case-blind, so another tool's "SSTEMP" is the same set.
  for (const char16_t* leftOver : {u"ssTemp", u"SSTEMP"}) {
    MainFormHarness h;
    h.drawing->AddSelectionSet(u"other");
    h.drawing->AddSelectionSet(leftOver);
    h.drawing->ClearCallLog();
    h.Fetch({h.drawing->AddText(u"A", 0, 0)});
    for (const auto& m : h.messages.shown) EXPECT_NE(m.style, MessageStyle::Error);
    EXPECT_EQ(h.drawing->Calls().Count(sim::ObjectKind::SelectionSets, u"Add"), 0u);
    EXPECT_EQ(h.drawing->SelectionSetNames(), std::vector<std::u16string>{u"other"});
    EXPECT_EQ(h.Memo1.Text(), u"A");
  }
}

TEST(FetchTest, CadNotRunningIsSilentAndRaisesTheToolWindow) {
  MainFormHarness h;
  h.running.running.clear();
  h.Run(&TKelvoMainForm::SpeedButton1Click);
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_TRUE(h.drawing->Calls().Records().empty());
  std::string main = std::to_string(test::kMainWindowHandle);
  EXPECT_NE(std::find(h.desktop.calls.begin(), h.desktop.calls.end(),
                      "SetForegroundWindow(" + main + ")"),
            h.desktop.calls.end());
}

TEST(FetchTest, UnresolvableProgIDReachesTheErrorReport) {
  for (const char16_t* progId : {u"", u"No.Such.Application"}) {
    MainFormHarness h;
    TargetProgID = progId;
    h.Run(&TKelvoMainForm::SpeedButton1Click);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, u"無効なクラス文字列です.");
    EXPECT_EQ(h.messages.shown[0].caption, u"KelvoEdit");
    EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Error);
  }
}

TEST(FetchTest, EscapeOnlyWhenTheCadCameToTheFront) {
  for (bool comesForward : {true, false}) {
    MainFormHarness h;
    h.desktop.foregroundFollows = comesForward;
    h.Fetch({h.drawing->AddText(u"A", 0, 0)});
    EXPECT_EQ(h.desktop.escapes, comesForward ? 1 : 0);
  }
}

TEST(FetchTest, NonTextPickBecomesAnEmptyRecordPlacedLast) {
  MainFormHarness h;
  h.drawing->SetPicksIgnoreFilter(true);
  auto line = h.drawing->AddLine(0, 0, 5, 5);
  auto a = h.drawing->AddText(u"A", 0, 20);
  auto b = h.drawing->AddText(u"B", 0, 10);
  h.Fetch({line, a, b});
  ASSERT_EQ(EntityList.size(), 3u);
  EXPECT_EQ(h.Memo1.Text(), u"A\r\nB\r\n");
  EXPECT_EQ(EntityList[2].objId, 0);
  EXPECT_TRUE(EntityList[2].insPt.IsEmpty());
  // The pitch comes from the last two records that have a point.
  EXPECT_EQ(h.Edit1.Text(), u"0.00");
  EXPECT_EQ(h.Edit2.Text(), u"-10.00");
  EXPECT_EQ(h.Edit2.FontColor(), kBlack);
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST(FetchTest, OneTextAndAStrayPickGiveNoPitch) {
  MainFormHarness h;
  h.drawing->SetPicksIgnoreFilter(true);
  h.Fetch({h.drawing->AddLine(0, 0, 5, 5), h.drawing->AddText(u"A", 0, 20)});
  EXPECT_EQ(h.Edit1.Text(), u"0.00");
  EXPECT_EQ(h.Edit1.FontColor(), kRed);
  EXPECT_EQ(h.messages.shown.size(), 1u);
}

// Every CAD call of one fetch, made to fail in turn: the error is reported,
// "ssTemp" does not stay, and nothing the user sees or the list changes.
TEST(FetchTest, AFailingCallLeavesEverythingAsItWas) {
  MainFormHarness probe;
  std::vector<std::int64_t> ids;
  for (int i = 0; i < 3; ++i) ids.push_back(probe.drawing->AddText(u"T" + ToU16(i), 0, 10.0 * i));
  probe.drawing->ClearCallLog();
  probe.Fetch(ids);
  std::vector<sim::CallRecord> calls = probe.drawing->Calls().Records();

  std::map<std::u16string, int> seen;
  for (const sim::CallRecord& call : calls) {
    int nth = ++seen[call.member];
    MainFormHarness h;
    std::vector<std::int64_t> picks;
    for (int i = 0; i < 3; ++i) picks.push_back(h.drawing->AddText(u"T" + ToU16(i), 0, 10.0 * i));
    auto old = h.drawing->AddText(u"old", 50, 50);
    h.Fetch({old});
    h.messages.shown.clear();
    h.drawing->FailCall(call.member, nth);
    h.Fetch(picks);
    std::string where = ToUtf8(call.member) + " #" + std::to_string(nth);
    if (call.member == u"SelectOnScreen") {
      // Its failure is the user ending the picking: ignored, and nothing picked.
      EXPECT_TRUE(h.messages.shown.empty()) << where;
    } else {
      ASSERT_EQ(h.messages.shown.size(), 1u) << where;
      EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Error) << where;
      EXPECT_FALSE(h.messages.shown[0].text.empty()) << where;
    }
    EXPECT_EQ(h.Memo1.Text(), u"old") << where;
    ASSERT_EQ(EntityList.size(), 1u) << where;
    EXPECT_EQ(EntityList[0].objId, old) << where;
    EXPECT_EQ(h.Edit1.FontColor(), kRed) << where;
    if (call.member != u"Delete") {
      EXPECT_TRUE(h.drawing->SelectionSetNames().empty()) << where;
    }
  }
  EXPECT_GT(seen.size(), 10u);
}

}  // namespace
}  // namespace kelvo
