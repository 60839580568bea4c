// The replace dialog on the real controls the program builds, and
// "すべて置換" run through it from the main window's command.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "base/locale_win.h"
#include "support/program_on_fakes_win.h"

namespace kelvo {
namespace {

namespace rd = replace_dialog;

struct RealReplaceDialog : test::ProgramOnFakes<WindowsLocale> {
  HWND Dialog() { return windows.replaceWindow().hwnd(); }
  HWND Control(int id) { return windows.replaceWindow().ControlWindow(id); }
  HWND Editor() { return windows.mainWindow().ControlWindow(kIdMemo1); }
};

std::u16string Text(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return reinterpret_cast<const char16_t*>(buffer);
}

void SetText(HWND window, const wchar_t* text) {
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

bool Topmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int Scaled(int value) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(value, dpi, 96);
}

// Works the dialog from inside its own modal loop: one step per tick of a
// timer on the dialog. A tick only comes once nothing posted is waiting, so
// what a step posts has gone through the dialog manager before the next step
// looks. A dialog still open after the last step is cancelled, so that a
// fault fails the test instead of hanging it.
class DialogScript {
 public:
  using Step = std::function<void(HWND dialog)>;
  DialogScript(HWND dialog, std::initializer_list<Step> steps) {
    steps_.assign(steps);
    leftOpen_ = false;
    SetTimer(dialog, kTimerId, 20, Tick);
  }
  ~DialogScript() { steps_.clear(); }
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;
  bool LeftOpen() const { return leftOpen_; }

 private:
  static constexpr UINT_PTR kTimerId = 77;
  static void CALLBACK Tick(HWND dialog, UINT, UINT_PTR id, DWORD) {
    if (steps_.empty()) {
      KillTimer(dialog, id);
      if (IsWindowVisible(dialog)) {
        leftOpen_ = true;
        PostMessageW(GetDlgItem(dialog, rd::kIdButton2), BM_CLICK, 0, 0);
      }
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(dialog);
  }
  static inline std::deque<Step> steps_;
  static inline bool leftOpen_ = false;
};

void Click(HWND dialog, int id) {
  PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void TypeInto(HWND control, std::u16string_view text) {
  for (char16_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

void PressEnter(HWND control) {
  PostMessageW(control, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(control, WM_CHAR, u'\r', 0x001C0001);
  PostMessageW(control, WM_KEYUP, VK_RETURN, 0xC01C0001);
}

TEST(ReplaceDialogWinTest, BuiltAsDesignedAndEmptyAtStart) {
  RealReplaceDialog w;
  HWND dialog = w.Dialog();
  wchar_t className[64] = {};
  GetClassNameW(dialog, className, 64);
  EXPECT_STREQ(className, L"TKelvoTikanForm");
  EXPECT_EQ(Text(dialog), u"文字列置換");
  EXPECT_NE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_NE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_FALSE(IsWindowVisible(dialog));
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, Scaled(203));
  EXPECT_EQ(client.bottom, Scaled(128));

  EXPECT_EQ(SendMessageW(w.Control(rd::kIdCheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Text(w.Control(rd::kIdCheckBox1)), u"大文字/小文字を無視");
  EXPECT_EQ(Text(w.Control(rd::kIdButton1)), u"実行");
  EXPECT_EQ(Text(w.Control(rd::kIdButton2)), u"取り消し");
  for (int id : {rd::kIdEdit1, rd::kIdEdit2}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(GetWindowTextLengthW(w.Control(id)), 0);
    auto font = reinterpret_cast<HFONT>(SendMessageW(w.Control(id), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfHeight, -Scaled(12));
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
  }
  // Neither button is the default: Enter in a field runs nothing.
  for (int id : {rd::kIdButton1, rd::kIdButton2}) {
    EXPECT_NE(GetWindowLongPtrW(w.Control(id), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  }
}

struct CaseRun {
  bool ignoreCase;
  const char16_t* expected;
};

// Typed into the real fields, with the check box as the user left it.
TEST(ReplaceDialogWinTest, ReplaceAllRunsWithWhatTheFieldsHold) {
  for (CaseRun run : {CaseRun{true, u"x-x-x\r\n"}, CaseRun{false, u"ABC-x-Abc\r\n"}}) {
    SCOPED_TRACE(run.ignoreCase);
    RealReplaceDialog w;
    w.windows.Show();
    w.form.Memo1.SetText(u"ABC-abc-Abc");
    std::u16string prefilled;
    bool dialogOnTop = false;
    bool mainOnTop = true;
    DialogScript script(w.Dialog(), {[&](HWND dialog) {
                                       prefilled = Text(GetDlgItem(dialog, rd::kIdEdit1));
                                       dialogOnTop = Topmost(dialog);
                                       mainOnTop = Topmost(w.windows.mainWindow().hwnd());
                                       HWND search = GetDlgItem(dialog, rd::kIdEdit1);
                                       SendMessageW(search, EM_SETSEL, 0, -1);
                                       TypeInto(search, u"abc");
                                       SetText(GetDlgItem(dialog, rd::kIdEdit2), L"x");
                                       if (!run.ignoreCase) Click(dialog, rd::kIdCheckBox1);
                                     },
                                     [&](HWND dialog) { Click(dialog, rd::kIdButton1); }});
    EXPECT_TRUE(w.form.Events().Fire(kIdN7, Event::Click));
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_EQ(prefilled, u"ABC-abc-Abc");
    EXPECT_TRUE(dialogOnTop);
    EXPECT_FALSE(mainOnTop);
    EXPECT_EQ(Text(w.Editor()), run.expected);
    EXPECT_EQ(w.form.Memo1.Text(), run.expected);
    EXPECT_FALSE(IsWindowVisible(w.Dialog()));
    EXPECT_FALSE(Topmost(w.Dialog()));
    EXPECT_TRUE(Topmost(w.windows.mainWindow().hwnd()));
    EXPECT_TRUE(IsWindowEnabled(w.windows.mainWindow().hwnd()));
    EXPECT_FALSE(w.form.Busy());
  }
}

// "取り消し", the close box and Esc each leave the editor as it was; Enter in
// a field, with no default button, closes nothing.
TEST(ReplaceDialogWinTest, CancelLeavesTheEditorAndEnterClosesNothing) {
  struct Way {
    const char* name;
    void (*cancel)(HWND dialog);
  } ways[] = {
      {"取り消し", [](HWND dialog) { Click(dialog, rd::kIdButton2); }},
      {"close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Esc",
       [](HWND dialog) {
         HWND search = GetDlgItem(dialog, rd::kIdEdit1);
         PostMessageW(search, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         PostMessageW(search, WM_KEYUP, VK_ESCAPE, 0xC0010001);
       }},
  };
  RealReplaceDialog w;
  w.windows.Show();
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    w.form.Memo1.SetText(u"abc\r\nabc");
    bool shownAfterEnter = false;
    DialogScript script(w.Dialog(), {[&](HWND dialog) {
                                       HWND search = GetDlgItem(dialog, rd::kIdEdit1);
                                       SetFocus(search);
                                       SetText(GetDlgItem(dialog, rd::kIdEdit2), L"x");
                                       PressEnter(search);
                                     },
                                     [&](HWND dialog) {
                                       shownAfterEnter = IsWindowVisible(dialog) != FALSE;
                                       way.cancel(dialog);
                                     }});
    w.form.Events().Fire(kIdN7, Event::Click);
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_TRUE(shownAfterEnter);
    EXPECT_EQ(Text(w.Editor()), u"abc\r\nabc");
    EXPECT_FALSE(w.form.undoFlag);
    EXPECT_FALSE(IsWindowVisible(w.Dialog()));
    EXPECT_TRUE(Topmost(w.windows.mainWindow().hwnd()));
  }
}

}  // namespace
}  // namespace kelvo
