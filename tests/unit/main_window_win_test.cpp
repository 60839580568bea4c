// The real main window built by the shell, driven through its form.

#include <gtest/gtest.h>

#include "cad/connection.h"
#include "support/program_on_fakes_win.h"

namespace kelvo {
namespace {

struct RealMainWindow : test::ProgramOnFakes<> {
  FormWindow& main = windows.mainWindow();
  FormWindow& dialog = windows.targetWindow();
};

TEST(MainWindowWinTest, TickGrowsTheGutterAndFollowsTheEditor) {
  RealMainWindow w;
  std::u16string text;
  for (int i = 0; i < 200; ++i) text += u"line\r\n";
  w.form.Memo1.SetText(text);
  w.form.Timer1Timer();
  EXPECT_EQ(SendMessageW(w.Control(kIdMemo2), EM_GETLINECOUNT, 0, 0), 210);
  EXPECT_EQ(w.form.Label1.Text(), u"データ行数 = 200");
  SendMessageW(w.Control(kIdMemo1), EM_LINESCROLL, 0, 57);
  w.form.Timer1Timer();
  EXPECT_EQ(SendMessageW(w.Control(kIdMemo2), EM_GETFIRSTVISIBLELINE, 0, 0),
            SendMessageW(w.Control(kIdMemo1), EM_GETFIRSTVISIBLELINE, 0, 0));
}

}  // namespace
}  // namespace kelvo

namespace kelvo {
namespace {

bool Topmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

RECT ClientRectIn(HWND control, HWND parent) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int Scaled(int value) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(value, dpi, 96);
}

// The status bar and the panel stand where the layout puts them, not where
// the status bar's own idea of its height would.
TEST(MainWindowWinTest, StatusBarAndPanelFollowTheLayout) {
  RealMainWindow w;
  RECT status = ClientRectIn(w.Control(kIdStatusBar1), w.main.hwnd());
  EXPECT_EQ(status.top, Scaled(221));
  EXPECT_EQ(status.bottom - status.top, Scaled(19));
  RECT panel = ClientRectIn(w.Control(kIdPanel1), w.main.hwnd());
  EXPECT_EQ(panel.top, Scaled(79));
  EXPECT_EQ(panel.bottom - panel.top, Scaled(142));
}

// Coming back to the window puts the focus where the user left it.
TEST(MainWindowWinTest, ReactivationRestoresTheFocus) {
  RealMainWindow w;
  w.main.Show();
  SetFocus(w.Control(kIdEdit2));
  SendMessageW(w.main.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(nullptr);
  SendMessageW(w.main.hwnd(), WM_SETFOCUS, 0, 0);
  EXPECT_EQ(GetFocus(), w.Control(kIdEdit2));
}

TEST(MainWindowWinTest, DialogIsLiftedAboveAndTheMainWindowPutBackOnTop) {
  RealMainWindow w;
  w.main.Show();
  ASSERT_TRUE(Topmost(w.main.hwnd()));
  // What the dialog was while it was shown: visible and in the topmost band.
  static bool shownOnTop = false;
  shownOnTop = false;
  SetTimer(w.dialog.hwnd(), 7, 50, [](HWND dialog, UINT, UINT_PTR id, DWORD) {
    KillTimer(dialog, id);
    shownOnTop = IsWindowVisible(dialog) && Topmost(dialog);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  ModalResult result = w.form.ShowModalTopmost(w.dialog, [] {});
  EXPECT_TRUE(shownOnTop);
  EXPECT_EQ(result, ModalResult::Cancel);
  EXPECT_FALSE(Topmost(w.dialog.hwnd()));
  EXPECT_TRUE(Topmost(w.main.hwnd()));
}

}  // namespace
}  // namespace kelvo
