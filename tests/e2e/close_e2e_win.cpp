// Closing the window or ending the session while update or align runs: the
// run stops, finishes its end steps, and the settings are written; no text is
// lost from the drawing.

#include "app/main_form_table.h"
#include "tests/e2e/e2e_test_win.h"

namespace kelvo::e2e {
namespace {

constexpr int kTexts = 150;

std::wstring IniValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(section, key, L"<missing>", value, 256, path.c_str());
  return value;
}

// Enough texts fetched that a pass over them takes a while.
struct ManyFetched {
  ManyFetched() {
    std::vector<std::int64_t> ids;
    for (int i = 0; i < kTexts; ++i) {
      std::u16string text(u"T");
      text += char16_t(u'A' + i % 26);
      ids.push_back(cad.AddText(text, 10.0 * i, 0));
    }
    cad.QueuePicks(ids);
    kelvo.Start();
    kelvo.Click(kIdSpeedButton1);
    WaitFor([&] { return kelvo.Enabled(kIdSpeedButton6); }, 60s);
  }
  int LiveTexts() {
    int n = 0;
    for (const sim::Entity& e : cad.Drawing()) n += e.kind == sim::EntityKind::Text ? 1 : 0;
    return n;
  }
  bool SettingsWritten() {
    return IniValue(kelvo.IniPath(), L"KelvoEdit", L"Left") != L"<missing>" &&
           IniValue(kelvo.IniPath(), L"KelvoEdit", L"Sort") == L"1" &&
           IniValue(kelvo.IniPath(), L"Target", L"ProgID") == L"BricscadApp.AcadApplication";
  }
  SimCad cad;
  Kelvo kelvo;
};

std::u16string ChangedLines(int extra) {
  std::u16string lines;
  for (int i = 0; i < kTexts + extra; ++i) lines += i > 0 ? u"\r\nx" : u"x";
  return lines;
}

TEST_F(E2eTest, CloseDuringAnUpdateKeepsEveryTextAndWritesTheSettings) {
  ManyFetched f;
  ASSERT_EQ(f.LiveTexts(), kTexts);
  f.kelvo.SetText(kIdMemo1, ChangedLines(2000 - kTexts));
  f.kelvo.Click(kIdSpeedButton2);
  ASSERT_TRUE(WaitFor([&] { return f.kelvo.Visible(kIdLabel2); }));
  PostMessageW(f.kelvo.main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(f.kelvo.process().Wait(120s).has_value());
  EXPECT_GE(f.LiveTexts(), kTexts);
  EXPECT_TRUE(f.SettingsWritten());
}

TEST_F(E2eTest, CloseDuringAnAlignKeepsEveryTextAndWritesTheSettings) {
  ManyFetched f;
  f.kelvo.SetText(kIdEdit1, u"5");
  f.kelvo.Click(kIdSpeedButton6);
  ASSERT_TRUE(WaitFor([&] { return f.kelvo.Visible(kIdLabel2); }));
  PostMessageW(f.kelvo.main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(f.kelvo.process().Wait(120s).has_value());
  EXPECT_EQ(f.LiveTexts(), kTexts);
  EXPECT_TRUE(f.SettingsWritten());
}

TEST_F(E2eTest, LogoffWritesTheSettingsIdleAndDuringARun) {
  {
    Kelvo kelvo;
    kelvo.Start();
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(kelvo.main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000,
                        &answer);
    EXPECT_EQ(answer, TRUE);
    SendMessageTimeoutW(kelvo.main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000,
                        &answer);
    EXPECT_EQ(IniValue(kelvo.IniPath(), L"KelvoEdit", L"Sort"), L"1");
    kelvo.process().Kill();
  }
  ManyFetched f;
  f.kelvo.SetText(kIdMemo1, ChangedLines(0));
  f.kelvo.Click(kIdSpeedButton2);
  ASSERT_TRUE(WaitFor([&] { return f.kelvo.Visible(kIdLabel2); }));
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(f.kelvo.main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 30000,
                      &answer);
  EXPECT_EQ(answer, TRUE);
  SendMessageTimeoutW(f.kelvo.main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 30000,
                      &answer);
  EXPECT_TRUE(f.SettingsWritten());
  // The run was stopped: the program is idle again and every text is there.
  EXPECT_TRUE(WaitFor([&] { return !f.kelvo.Visible(kIdLabel2); }, 30s));
  EXPECT_EQ(f.LiveTexts(), kTexts);
  f.kelvo.process().Kill();
}

}  // namespace
}  // namespace kelvo::e2e
