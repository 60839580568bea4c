// Start-up, the single instance, fetch and its failures, as a user meets them.

#include "app/main_form_table.h"
#include "cad/target_cad_form.h"
#include "tests/e2e/e2e_test_win.h"

namespace kelvo::e2e {
namespace {

TEST_F(E2eTest, SecondStartEndsAtOnceAndLeavesTheFirstWhereItIs) {
  Kelvo first;
  first.Start();
  SetWindowPos(first.main(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT before;
  GetWindowRect(first.main(), &before);

  Process second(first.folder() + L"\\KelvoEditX.exe", L"", first.folder());
  auto code = second.Wait(15s);
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0u);
  EXPECT_TRUE(TopWindows(second.id(), L"TKelvoMainForm").empty());
  RECT after;
  GetWindowRect(first.main(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_TRUE(first.Responsive());
}

TEST_F(E2eTest, MainWindowShowsItsControlsAndTheVersionMessage) {
  Kelvo kelvo;
  kelvo.Start();
  EXPECT_EQ(WindowText16(kelvo.main()), u"KelvoEdit");
  EXPECT_EQ(GetWindowLongPtrW(kelvo.main(), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongPtrW(kelvo.main(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(kelvo.Text(kIdSpeedButton1), u"取得");
  EXPECT_FALSE(kelvo.Enabled(kIdSpeedButton2));
  EXPECT_FALSE(kelvo.Visible(kIdLabel2));
  EXPECT_EQ(SendMessageW(kelvo.Control(kIdCheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(WaitFor([&] { return kelvo.StatusText(0) == u"Row : 1 / 0"; }));

  kelvo.Command(kIdN25);
  auto box = kelvo.WaitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, u"情報");
  EXPECT_EQ(box->text.rfind(u"KelvoEditX.exe 2023.10.08", 0), 0u);
  kelvo.Dismiss(*box);
  EXPECT_TRUE(kelvo.Responsive());
}

}  // namespace
}  // namespace kelvo::e2e

namespace kelvo::e2e {
namespace {

TEST_F(E2eTest, TheCadButtonShowsTheTargetDialogAboveTheToolWindow) {
  Kelvo kelvo;
  kelvo.Start();
  kelvo.Click(kIdSpeedButton7);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (HWND w : TopWindows(kelvo.process().id(), L"TTargetCADForm")) {
      if (IsWindowVisible(w)) dialog = w;
    }
    return dialog != nullptr;
  }));
  EXPECT_EQ(WindowText16(dialog), u"ターゲット CAD");
  EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongPtrW(kelvo.main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  PostMessageW(GetDlgItem(dialog, target_cad::kIdButton2), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
  EXPECT_TRUE(WaitFor([&] {
    return (GetWindowLongPtrW(kelvo.main(), GWL_EXSTYLE) & WS_EX_TOPMOST) == WS_EX_TOPMOST;
  }));
  EXPECT_TRUE(kelvo.Responsive());
}

}  // namespace
}  // namespace kelvo::e2e
