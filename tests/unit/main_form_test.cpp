#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

TEST(MainFormTest, CreateSetsUpFieldsGutterAndFilter) {
  MainFormHarness h;
  EXPECT_EQ(TargetProgID, u"BricscadApp.AcadApplication");
  EXPECT_EQ(h.Edit1.Text(), u"");
  EXPECT_FALSE(h.Label2.Visible());
  EXPECT_EQ(h.Memo2.LineCount(), 99);
  EXPECT_EQ(h.Memo2.Line(0), u"1");
  EXPECT_EQ(h.Memo2.Line(98), u"99");
  EXPECT_EQ(h.Memo2.repaints, 1);
  EXPECT_EQ(h.messageFilter.installs, 1);
  EXPECT_TRUE(h.CheckBox1.Checked());
  // Centred on the primary screen from the window's outer size.
  EXPECT_EQ(h.window.RestoredBounds().left, (1280 - 333) / 2);
  EXPECT_EQ(h.window.RestoredBounds().top, (1024 - 279) / 2);
  h.form.FormDestroy();
  EXPECT_EQ(h.messageFilter.removals, 1);
}

TEST(MainFormTest, CloseWritesAllFourKeysEveryTime) {
  MainFormHarness h;
  h.window.MoveTo(-20, 7);
  h.CheckBox1.SetChecked(false);
  TargetProgID = u"AutoCAD.Application";
  EXPECT_TRUE(h.form.FormCloseQuery());
  EXPECT_EQ(h.profile.writes, (std::vector<std::u16string>{u"KelvoEdit/Left", u"KelvoEdit/Top",
                                                           u"Target/ProgID", u"KelvoEdit/Sort"}));
  EXPECT_EQ(h.profile.ReadString(u"KelvoEdit", u"Left", u""), u"-20");
  EXPECT_EQ(h.profile.ReadString(u"KelvoEdit", u"Sort", u""), u"0");
  EXPECT_EQ(h.profile.ReadString(u"Target", u"ProgID", u""), u"AutoCAD.Application");
  EXPECT_TRUE(h.form.FormCloseQuery());
  EXPECT_EQ(h.profile.writes.size(), 8u);
}

TEST(MainFormTest, AFailedSettingsWriteReachesTheErrorReport) {
  MainFormHarness h;
  h.profile.failWrites = true;
  DispatchEvent(h.messages, [&] { h.form.FormCloseQuery(); });
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].text, u"C:\\ro\\KelvoEditX.ini に書き込めません.");
  EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Error);
}

TEST(MainFormTest, VersionMessage) {
  MainFormHarness h;
  h.Run(&TKelvoMainForm::N25Click);
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].caption, u"情報");
  EXPECT_EQ(h.messages.shown[0].style, MessageStyle::Information);
  EXPECT_TRUE(h.messages.shown[0].text.starts_with(u"KelvoEditX.exe 2023.10.08\n"));
  EXPECT_GT(h.messages.shown[0].text.size(), 30u);
}

TEST(MainFormTest, DialogIsLiftedAboveTheMainWindowAndPutBackWhateverTheResult) {
  const std::vector<std::string> expected{"window.notopmost", "dialog.topmost", "dialog.modal",
                                          "dialog.notopmost", "window.topmost+activate"};
  for (ModalResult result : {ModalResult::Ok, ModalResult::Cancel}) {
    MainFormHarness h;
    h.targetDialog.modalResult = result;
    h.Run(&TKelvoMainForm::SpeedButton7Click);
    EXPECT_EQ(h.zOrder, expected);
    EXPECT_TRUE(h.window.topmost());
  }
  // Work done for OK runs while the dialog is still lifted, and a failure in it
  // does not leave the windows out of order.
  MainFormHarness h;
  h.targetDialog.modalResult = ModalResult::Ok;
  DispatchEvent(h.messages, [&] {
    h.form.ShowModalTopmost(h.targetDialog, [&] {
      EXPECT_TRUE(h.targetDialog.topmost());
      throw Error(u"失敗");
    });
  });
  EXPECT_EQ(h.zOrder, expected);
  EXPECT_EQ(h.messages.shown.size(), 1u);
}

TEST(ErrorReportTest, AppendsAFullStopAfterCharactersAboveIt) {
  struct Case {
    const char16_t* message;
    const char16_t* text;
  } cases[] = {{u"無効なクラス文字列です", u"無効なクラス文字列です."},
               {u"done.", u"done."},
               {u"a,", u"a,"},
               {u"path/", u"path/."},
               {u"", u""},
               {u"エラー。", u"エラー。."}};
  for (const Case& c : cases) EXPECT_EQ(ErrorReportText(c.message), c.text);
}

TEST(SettingsTest, IntegerNotations) {
  struct Case {
    const char16_t* text;
    std::optional<std::int32_t> value;
  } cases[] = {{u"120", 120},
               {u"-35", -35},
               {u"+7", 7},
               {u"0x1F", 31},
               {u"0XfF", 255},
               {u"$10", 16},
               {u"$FFFFFFFF", -1},
               {u"2147483647", 2147483647},
               {u"2147483648", std::nullopt},
               {u"-2147483648", INT32_MIN},
               {u"99999999999999999999", std::nullopt},
               {u"", std::nullopt},
               {u"abc", std::nullopt},
               {u"12px", std::nullopt},
               {u"0x", std::nullopt},
               {u" 5", std::nullopt},
               {u"1.5", std::nullopt},
               {u"-$10", std::nullopt},
               {u"+0x1F", std::nullopt},
               {u"-0x10", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseProfileInteger(c.text), c.value);
}

TEST(SettingsTest, ReadsEachKeyIndependentlyWithItsDefault) {
  MainFormHarness h;
  h.profile.values = {{{u"KelvoEdit", u"Left"}, u"left"},
                      {{u"KelvoEdit", u"Top"}, u"$20"},
                      {{u"KelvoEdit", u"Sort"}, u"2"},
                      {{u"Target", u"ProgID"}, u""}};
  h.CheckBox1.SetChecked(false);
  ReadSettings(h.profile, h.window, h.CheckBox1);
  EXPECT_EQ(h.window.RestoredBounds().left, (1280 - 333) / 2);
  EXPECT_EQ(h.window.RestoredBounds().top, 32);
  EXPECT_TRUE(h.CheckBox1.Checked());
  EXPECT_EQ(TargetProgID, u"");

  h.profile.values = {{{u"KelvoEdit", u"Sort"}, u"0"}};
  TargetProgID = u"Keep.Me";
  ReadSettings(h.profile, h.window, h.CheckBox1);
  EXPECT_FALSE(h.CheckBox1.Checked());
  EXPECT_EQ(TargetProgID, u"Keep.Me");
}

TEST(SettingsTest, WindowLargerThanTheScreenCentresNegativeTowardsZero) {
  MainFormHarness h;
  h.profile.screenWidth = 300;  // (300 - 333) / 2 truncates to -16
  ReadSettings(h.profile, h.window, h.CheckBox1);
  EXPECT_EQ(h.window.RestoredBounds().left, -16);
}

}  // namespace
}  // namespace kelvo
