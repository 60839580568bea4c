// Writing back and laying out, with real keys and a real CAD process.

#include "app/main_form_table.h"
#include "tests/e2e/e2e_test_win.h"

namespace kelvo::e2e {
namespace {

std::vector<std::u16string> TextsOf(SimCad& cad) {
  std::vector<std::u16string> texts;
  for (const sim::Entity& e : cad.Drawing()) {
    if (e.kind == sim::EntityKind::Text) texts.push_back(e.text);
  }
  return texts;
}

// Starts the tool beside a CAD holding the texts, fetched left to right.
struct Fetched {
  explicit Fetched(std::vector<std::pair<std::u16string, double>> texts) {
    std::vector<std::int64_t> ids;
    for (auto& [text, x] : texts) ids.push_back(cad.AddText(text, x, 0));
    cad.QueuePicks(ids);
    kelvo.Start();
    kelvo.Click(kIdSpeedButton1);
    WaitFor([&] { return kelvo.Enabled(kIdSpeedButton2); });
    if (auto box = kelvo.WaitForMessageBox(300ms)) kelvo.Dismiss(*box);
  }
  SimCad cad;
  Kelvo kelvo;
};

TEST_F(E2eTest, CtrlEnterOnTheKeyboardWritesAddsAndDeletes) {
  Fetched f({{u"A", 0}, {u"B", 10}, {u"C", 20}});
  f.kelvo.SetText(kIdMemo1, u"A2\r\n\r\nC\r\nD");
  ASSERT_TRUE(FocusControl(f.kelvo.main(), f.kelvo.Control(kIdMemo1)));
  PressKey(VK_RETURN, true);
  ASSERT_TRUE(WaitFor([&] {
    return TextsOf(f.cad) == std::vector<std::u16string>{u"A2", u"C", u"D"};
  }));
  EXPECT_EQ(f.kelvo.Text(kIdMemo1), u"A2\r\n\r\nC\r\nD");
  auto drawing = f.cad.Drawing();
  EXPECT_EQ(drawing.back().insertion[0], 30);
}

TEST_F(E2eTest, EnterInDyAlignsTheTexts) {
  Fetched f({{u"A", 0}, {u"B", 50}});
  f.kelvo.SetText(kIdMemo1, u"A\r\nB");
  f.kelvo.SetText(kIdEdit1, u"0");
  f.kelvo.SetText(kIdEdit2, u"-5");
  f.kelvo.Type(kIdEdit2, u"\r");
  ASSERT_TRUE(WaitFor([&] {
    auto drawing = f.cad.Drawing();
    return drawing.size() == 2 && drawing[1].insertion[0] == 0 && drawing[1].insertion[1] == -5;
  }));
  EXPECT_EQ(f.kelvo.Text(kIdEdit2), u"-5");
}

TEST_F(E2eTest, AbortStopsALongUpdate) {
  Fetched f({{u"A", 0}, {u"B", 10}});
  std::u16string lines = u"A\r\nB";
  for (int i = 0; i < 2000; ++i) lines += u"\r\nNo." + std::u16string(1, u'0' + i % 10);
  f.kelvo.SetText(kIdMemo1, lines);
  f.kelvo.Click(kIdSpeedButton2);
  // Stopped while the extra lines are being added.
  ASSERT_TRUE(WaitFor([&] { return TextsOf(f.cad).size() > 5; }, 60s));
  f.kelvo.Click(kIdSpeedButton5);
  ASSERT_TRUE(WaitFor([&] { return !f.kelvo.Enabled(kIdSpeedButton5); }, 60s));
  EXPECT_TRUE(WaitFor([&] { return !f.kelvo.Visible(kIdLabel2); }));
  std::size_t texts = TextsOf(f.cad).size();
  EXPECT_GT(texts, 2u);
  EXPECT_LT(texts, 2002u);
}

TEST_F(E2eTest, CadKilledDuringAnUpdateGivesTheMessageAndTheProgramGoesOn) {
  Fetched f({{u"A", 0}, {u"B", 10}});
  std::u16string lines = u"A\r\nB";
  for (int i = 0; i < 3000; ++i) lines += u"\r\nx";
  f.kelvo.SetText(kIdMemo1, lines);
  f.kelvo.Click(kIdSpeedButton2);
  ASSERT_TRUE(WaitFor([&] { return f.kelvo.Visible(kIdLabel2); }));
  f.cad.Kill();
  auto box = f.kelvo.WaitForMessageBox(30s);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, u"エラーのため、更新を中止しました．");
  f.kelvo.Dismiss(*box);
  // Regenerating the dead CAD's drawing fails too; that reaches the error report.
  if (auto regen = f.kelvo.WaitForMessageBox(5s)) f.kelvo.Dismiss(*regen);
  EXPECT_TRUE(f.kelvo.Responsive());
  EXPECT_FALSE(f.kelvo.Enabled(kIdSpeedButton5));
  EXPECT_EQ(f.kelvo.Text(kIdMemo1), lines);
}

}  // namespace
}  // namespace kelvo::e2e
