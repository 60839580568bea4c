// Fetching texts from a running CAD, and what the user sees when it is not there.

#include "app/main_form_table.h"
#include "tests/e2e/e2e_test_win.h"

namespace kelvo::e2e {
namespace {

TEST_F(E2eTest, FetchOfQueuedPicksFillsTheEditorAndThePitch) {
  SimCad cad;
  auto a = cad.AddText(u"30", 0, 30);
  auto b = cad.AddText(u"10", 0, 10);
  auto c = cad.AddText(u"20", 0, 20);
  cad.QueuePicks({a, b, c});
  Kelvo kelvo;
  kelvo.Start();
  kelvo.Click(kIdSpeedButton1);
  ASSERT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"30\r\n20\r\n10"; }));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdEdit2) == u"-10.00"; }));
  EXPECT_EQ(kelvo.Text(kIdEdit1), u"0.00");
  EXPECT_TRUE(kelvo.Enabled(kIdSpeedButton2));
  EXPECT_TRUE(kelvo.Enabled(kIdSpeedButton6));
  EXPECT_EQ(cad.SelectionSets(), u"");
  EXPECT_LE(cad.EscapeCount(), 1);
  EXPECT_FALSE(kelvo.WaitForMessageBox(500ms).has_value());
  EXPECT_TRUE(WaitFor([&] { return kelvo.StatusText(0) == u"Row : 1 / 3"; }));
}

TEST_F(E2eTest, OneTextGivesTheZeroPitchMessage) {
  SimCad cad;
  cad.QueuePicks({cad.AddText(u"会議室", 5, 5)});
  Kelvo kelvo;
  kelvo.Start();
  kelvo.Click(kIdSpeedButton1);
  auto box = kelvo.WaitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text.rfind(u"dX, dY が 0 です．", 0), 0u) << box->text.size();
  kelvo.Dismiss(*box);
  EXPECT_TRUE(WaitFor([&] { return kelvo.Text(kIdMemo1) == u"会議室"; }));
  EXPECT_TRUE(WaitFor([&] { return kelvo.Enabled(kIdSpeedButton2); }));
  EXPECT_FALSE(kelvo.Enabled(kIdSpeedButton6));
}

TEST_F(E2eTest, CadNotRunningIsSilent) {
  // Registers the ProgID, then goes away cleanly.
  std::make_unique<SimCad>().reset();
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"kept");
  kelvo.Click(kIdSpeedButton1);
  EXPECT_FALSE(kelvo.WaitForMessageBox(2s).has_value());
  EXPECT_TRUE(kelvo.Responsive());
  EXPECT_EQ(kelvo.Text(kIdMemo1), u"kept");
}

TEST_F(E2eTest, UnregisteredProgIDReachesTheErrorReport) {
  Kelvo kelvo;
  WritePrivateProfileStringW(L"Target", L"ProgID", L"No.Such.Application", kelvo.IniPath().c_str());
  kelvo.Start();
  kelvo.Click(kIdSpeedButton1);
  auto box = kelvo.WaitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, u"KelvoEdit");
  EXPECT_FALSE(box->text.empty());
  kelvo.Dismiss(*box);
  EXPECT_TRUE(kelvo.Responsive());
}

TEST_F(E2eTest, CadKilledWhilePickingGivesAnErrorAndTheProgramGoesOn) {
  auto cad = std::make_unique<SimCad>();
  cad->AddText(u"A", 0, 0);
  Kelvo kelvo;
  kelvo.Start();
  kelvo.SetText(kIdMemo1, u"kept");
  // Nothing queued: simcad waits for a person's picks.
  kelvo.Click(kIdSpeedButton1);
  ASSERT_TRUE(WaitFor([&] {
    for (HWND w : TopWindows(cad->process().id(), L"KelvoSimCad")) {
      if (WindowText16(w).find(u"選択") != std::u16string::npos) return true;
    }
    return false;
  }));
  cad->Kill();
  auto box = kelvo.WaitForMessageBox(20s);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, u"KelvoEdit");
  kelvo.Dismiss(*box);
  EXPECT_TRUE(kelvo.Responsive());
  EXPECT_EQ(kelvo.Text(kIdMemo1), u"kept");
  // The next command finds no CAD and stays silent, or reports the dead one.
  kelvo.Click(kIdSpeedButton1);
  if (auto again = kelvo.WaitForMessageBox(3s)) kelvo.Dismiss(*again);
  EXPECT_TRUE(kelvo.Responsive());
}

}  // namespace
}  // namespace kelvo::e2e
