// The program started on a screen of 144 dpi: every window at one and a half
// times its design size, every control where the layout puts it at that scale.

#include <optional>
#include <vector>

#include "app/main_form_table.h"
#include "base/error.h"
#include "base/handles_win.h"
#include "cad/target_cad_form.h"
#include "support/laid_out_win.h"
#include "tests/e2e/e2e_test_win.h"

namespace kelvo::e2e {
namespace {

// The dpi the processes of this Wine prefix start with from now on: Wine reads
// HKCU\Control Panel\Desktop\LogPixels (else the hardware profile's) once, as
// each process starts. What was there, value or none, is put back at the end,
// so that the programs the later tests start are at the prefix's own dpi.
class StartDpi {
 public:
  explicit StartDpi(DWORD dpi) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key_.put(),
                        nullptr) != ERROR_SUCCESS) {
      throw Error(u"cannot open HKCU\\Control Panel\\Desktop");
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key_.get(), kValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      std::vector<BYTE> data(size);
      if (RegQueryValueExW(key_.get(), kValue, nullptr, &type, data.data(), &size) ==
          ERROR_SUCCESS) {
        data.resize(size);
        old_ = Saved{type, std::move(data)};
      }
    }
    if (RegSetValueExW(key_.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi) != ERROR_SUCCESS) {
      throw Error(u"cannot set LogPixels");
    }
  }
  ~StartDpi() {
    if (old_) {
      RegSetValueExW(key_.get(), kValue, 0, old_->type, old_->data.data(),
                     static_cast<DWORD>(old_->data.size()));
    } else {
      RegDeleteValueW(key_.get(), kValue);
    }
  }
  StartDpi(const StartDpi&) = delete;
  StartDpi& operator=(const StartDpi&) = delete;

 private:
  static constexpr const wchar_t* kValue = L"LogPixels";
  struct Saved {
    DWORD type;
    std::vector<BYTE> data;
  };
  UniqueHkey key_;
  std::optional<Saved> old_;
};

int OwnDpi() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

HWND ShownTargetDialog(Kelvo& kelvo) {
  HWND dialog = nullptr;
  WaitFor([&] {
    for (HWND w : TopWindows(kelvo.process().id(), L"TTargetCADForm")) {
      if (IsWindowVisible(w)) dialog = w;
    }
    return dialog != nullptr;
  });
  return dialog;
}

TEST_F(E2eTest, StartedAt144DpiEveryControlStandsAtOneAndAHalfTimesItsPlace) {
  constexpr int kDpi = 144;
  {
    StartDpi startDpi(kDpi);
    Kelvo kelvo;
    kelvo.Start();
    // Under Wine, GetDpiForWindow of another process's window answers this
    // process's dpi; the client sizes tell the program's.
    SIZE client = test::ClientSize(kelvo.main());
    EXPECT_EQ(client.cx, 476);  // 317 × 1.5, rounded as MulDiv rounds
    EXPECT_EQ(client.cy, 360);
    // The first tick has written the labels it owns.
    ASSERT_TRUE(WaitFor([&] { return kelvo.StatusText(0) == u"Row : 1 / 0"; }));
    test::ExpectLaidOut(kelvo.main(), kMainWindowTable, kDpi,
                        [&](int id) { return kelvo.Control(id); });
    EXPECT_EQ(kelvo.StatusParts(), (std::vector<int>{150, 300}));

    kelvo.Click(kIdSpeedButton7);
    HWND dialog = ShownTargetDialog(kelvo);
    ASSERT_NE(dialog, nullptr);
    SIZE dialogClient = test::ClientSize(dialog);
    EXPECT_EQ(dialogClient.cx, 473);  // 315 × 1.5
    EXPECT_EQ(dialogClient.cy, 461);  // 307 × 1.5
    test::ExpectLaidOut(dialog, kTargetCadWindowTable, kDpi,
                        [&](int id) { return GetDlgItem(dialog, id); });
    PostMessageW(GetDlgItem(dialog, target_cad::kIdButton2), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
  }
  // The prefix is back at the dpi this driver started with.
  Kelvo after;
  after.Start();
  SIZE client = test::ClientSize(after.main());
  EXPECT_EQ(client.cx, ScaleToDpi(317, OwnDpi()));
  EXPECT_EQ(client.cy, ScaleToDpi(240, OwnDpi()));
}

}  // namespace
}  // namespace kelvo::e2e
