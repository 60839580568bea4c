// The add, serial-number and target dialogs on their real controls, built by
// the program's own window set: what only the system's controls decide (the
// up-down's arrows, digits-only fields, the sorted list box, the dialog
// manager's keys) and the events they raise.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/program_windows_win.h"
#include "cad/connection.h"
#include "support/fakes.h"
#include "ui/widgets_win.h"

namespace kelvo {
namespace {

constexpr char16_t kListPath[] = u"C:\\KelvoEditX\\TargetCAD_APIVersion.txt";

struct RealDialogs {
  RealDialogs() {
    EntityList.clear();
    // The window set of an earlier test posted the quit that ends the real
    // program's loop when it went; left there, it would end a modal loop here.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    windows.mainWindow().SetQuitOnDestroy(false);
  }
  ~RealDialogs() {
    EntityList.clear();
    TargetProgID = savedTarget;
  }

  struct NoCad : RunningObjects {
    bool IsRunning(std::u16string_view) override { return false; }
    ObjectRef Attach(std::u16string_view) override { return nullptr; }
  } running;
  std::u16string savedTarget = TargetProgID;
  test::RecordingMessages messages;
  test::FakeDesktop desktop;
  test::FakeMessageFilterHost filter;
  test::MemoryProfile profile;
  test::MemoryFiles files;
  test::TestLocale locale;
  ProgramWindows windows{
      GetModuleHandleW(nullptr),
      {messages, desktop, running, filter, profile, locale, {files, locale, kListPath}}};
  TKelvoMainForm& form = windows.form();
};

int Scaled(int value) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(value, dpi, 96);
}

bool Checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND control) {
  return IsWindowEnabled(control) != FALSE;
}

// Typed as from the keyboard, so that the control itself decides what it takes.
void Type(HWND control, std::u16string_view text) {
  for (char16_t c : text) SendMessageW(control, WM_CHAR, c, 1);
}

void Retype(HWND edit, std::u16string_view text) {
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Type(edit, text);
}

void ClickAt(HWND control, POINT at) {
  LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(control, WM_LBUTTONUP, 0, where);
}

// What the modal loop is to do once it runs, posted ahead of it.
void PostClick(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}
void PostTyping(HWND control, std::u16string_view text) {
  PostMessageW(control, EM_SETSEL, 0, -1);
  for (char16_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}
void PostKey(HWND control, WORD key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

TEST(DialogsWinTest, ClientAreaIsTheTablesSizeAtTheScreenDpi) {
  RealDialogs d;
  struct Case {
    const char* name;
    FormWindow& window;
    int width;
    int height;
  } cases[] = {
      {"add", d.windows.addWindow(), 240, 170},
      {"serial", d.windows.serialWindow(), 300, 220},
      {"target", d.windows.targetWindow(), 315, 307},
      {"replace", d.windows.replaceWindow(), 203, 128},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RECT client;
    GetClientRect(c.window.hwnd(), &client);
    EXPECT_EQ(client.right, Scaled(c.width));
    EXPECT_EQ(client.bottom, Scaled(c.height));
  }
}

struct AddDialog : RealDialogs {
  HWND Control(int id) { return windows.addWindow().ControlWindow(id); }
  TKelvoKasanForm& add = windows.addForm();
};

TEST(AddDialogWinTest, OneRadixButtonIsDownAndOnlyHexOrOctalTakeADigitCount) {
  AddDialog d;
  const int buttons[] = {add_dialog::kIdSpeedButton1, add_dialog::kIdSpeedButton2,
                         add_dialog::kIdSpeedButton3};
  struct Step {
    int clicked;
    const char16_t* label;
  } steps[] = {
      {add_dialog::kIdSpeedButton2, u"16進"}, {add_dialog::kIdSpeedButton3, u" 8進"},
      {add_dialog::kIdSpeedButton3, u" 8進"}, {add_dialog::kIdSpeedButton1, u"10進"},
      {add_dialog::kIdSpeedButton1, u"10進"}, {add_dialog::kIdSpeedButton2, u"16進"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.clicked);
    SendMessageW(d.Control(step.clicked), BM_CLICK, 0, 0);
    for (int id : buttons) EXPECT_EQ(Checked(d.Control(id)), id == step.clicked) << id;
    EXPECT_EQ(WindowText(d.Control(add_dialog::kIdLabel5)), step.label);
    bool decimal = step.clicked == add_dialog::kIdSpeedButton1;
    for (int id : {add_dialog::kIdLabel3, add_dialog::kIdEdit2, add_dialog::kIdUpDown1})
      EXPECT_EQ(Enabled(d.Control(id)), !decimal);
    for (int id : {add_dialog::kIdRadioButton1, add_dialog::kIdRadioButton2})
      EXPECT_EQ(Enabled(d.Control(id)), decimal);
    EXPECT_TRUE(Checked(d.Control(add_dialog::kIdRadioButton2)));
    EXPECT_FALSE(Checked(d.Control(add_dialog::kIdRadioButton1)));
  }
}

// The horizontal arrows: the right one counts up, the left one down, within
// 1 to 8, and the buddy shows the number the add command then uses.
TEST(AddDialogWinTest, ArrowsStepTheDigitCountWithinOneToEight) {
  AddDialog d;
  HWND upDown = d.Control(add_dialog::kIdUpDown1);
  HWND edit = d.Control(add_dialog::kIdEdit2);
  int low = 0;
  int high = 0;
  SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 8);
  RECT r;
  GetClientRect(upDown, &r);
  const POINT left{r.right / 4, r.bottom / 2};
  const POINT right{r.right * 3 / 4, r.bottom / 2};

  // Decimal numbers take no digit count: the disabled arrows do nothing.
  ClickAt(upDown, right);
  EXPECT_EQ(WindowText(edit), u"2");

  SendMessageW(d.Control(add_dialog::kIdSpeedButton2), BM_CLICK, 0, 0);
  struct Step {
    POINT at;
    int clicks;
    const char16_t* typed;  // into the field first, when given
    const char16_t* shown;
  } steps[] = {
      {right, 1, nullptr, u"3"}, {right, 9, nullptr, u"8"}, {left, 3, nullptr, u"5"},
      {left, 9, nullptr, u"1"},  {right, 1, u"6", u"7"},    {left, 1, u"x", u"6"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << "step " << (&step - steps));
    if (step.typed != nullptr) Retype(edit, step.typed);
    for (int i = 0; i < step.clicks; ++i) ClickAt(upDown, step.at);
    EXPECT_EQ(WindowText(edit), step.shown);
    EXPECT_EQ(d.add.Settings().digits, step.shown[0] - u'0');
  }
}

// In the modal dialog, 実行 adds with what was typed; Esc, which the dialog
// manager turns into a cancel the table has no button for, changes nothing.
TEST(AddDialogWinTest, ExecuteAddsTheTypedAddendAndEscapeCancels) {
  struct Case {
    const char* name;
    bool escape;
    const char16_t* text;
  } cases[] = {
      {"execute", false, u"No.020\r\nA-110"},
      {"escape", true, u"No.009\r\nA-99"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AddDialog d;
    d.form.Memo1.SetText(u"No.009\r\nA-99");
    PostTyping(d.Control(add_dialog::kIdEdit1), u"11");
    if (c.escape) {
      PostKey(d.Control(add_dialog::kIdEdit1), VK_ESCAPE);
    } else {
      PostClick(d.Control(add_dialog::kIdButton1));
    }
    d.form.Events().Fire(kIdN14, Event::Click);
    EXPECT_EQ(d.form.Memo1.Text(), c.text);
    EXPECT_EQ(WindowText(d.Control(add_dialog::kIdEdit1)), u"11");
    EXPECT_FALSE(IsWindowVisible(d.windows.addWindow().hwnd()));
    EXPECT_TRUE(d.messages.shown.empty());
  }
}

struct SerialDialog : RealDialogs {
  HWND Control(int id) { return windows.serialWindow().ControlWindow(id); }
};

TEST(SerialDialogWinTest, PreviewFollowsEveryCharacterTyped) {
  SerialDialog d;
  EXPECT_EQ(WindowText(d.Control(serial_dialog::kIdStaticText1)), u"[ 00 ] ～ [ 15 ]");
  struct Step {
    int field;  // typed into, or a radix button clicked
    bool retype;
    const char16_t* typed;
    const char16_t* preview;
  } steps[] = {
      {serial_dialog::kIdEdit1, false, u"a", u"[ A00 ] ～ [ A15 ]"},
      {serial_dialog::kIdEdit1, false, u"-", u"[ A-00 ] ～ [ A-15 ]"},
      {serial_dialog::kIdEdit2, true, u"0", u"[ A-0 ] ～ [ A-15 ]"},
      {serial_dialog::kIdEdit2, false, u"9", u"[ A-09 ] ～ [ A-24 ]"},
      {serial_dialog::kIdEdit4, true, u"3", u"[ A-09 ] ～ [ A-11 ]"},
      // The count and the step take digits only: the field refuses the letter.
      {serial_dialog::kIdEdit4, false, u"x", u"[ A-09 ] ～ [ A-11 ]"},
      {serial_dialog::kIdEdit5, true, u"2", u"[ A-09 ] ～ [ A-13 ]"},
      {serial_dialog::kIdEdit3, false, u"b", u"[ A-09B ] ～ [ A-13B ]"},
      {serial_dialog::kIdSpeedButton2, false, nullptr, u"[ A-09B ] ～ [ A-0DB ]"},
      {serial_dialog::kIdSpeedButton1, false, nullptr, u"[ A-09B ] ～ [ A-13B ]"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << "preview step " << (&step - steps));
    HWND field = d.Control(step.field);
    if (step.typed == nullptr) {
      SendMessageW(field, BM_CLICK, 0, 0);
    } else if (step.retype) {
      Retype(field, step.typed);
    } else {
      SendMessageW(field, EM_SETSEL, -1, -1);
      Type(field, step.typed);
    }
    EXPECT_EQ(WindowText(d.Control(serial_dialog::kIdStaticText1)), step.preview);
  }
  EXPECT_EQ(WindowText(d.Control(serial_dialog::kIdEdit4)), u"3");
  EXPECT_EQ(WindowText(d.Control(serial_dialog::kIdLabel5)), u"10進");
  // Without a start there is no number to step: the step field is disabled.
  SendMessageW(d.Control(serial_dialog::kIdEdit2), EM_SETSEL, 0, -1);
  Type(d.Control(serial_dialog::kIdEdit2), u"\b");
  EXPECT_EQ(WindowText(d.Control(serial_dialog::kIdStaticText1)), u"[ A-B ] x 3");
  EXPECT_FALSE(Enabled(d.Control(serial_dialog::kIdEdit5)));
  EXPECT_TRUE(d.messages.shown.empty());
}

using Lines = std::vector<std::u16string>;

struct TargetDialog : RealDialogs {
  explicit TargetDialog(const Lines& file) {
    std::u16string text;
    for (const auto& line : file) text += line + u"\r\n";
    files.files[kListPath] = locale.ToAnsi(text).value();
    windows.targetForm().Events().Fire(kWindowId, Event::Show);
  }
  HWND Control(int id) { return windows.targetWindow().ControlWindow(id); }
  HWND List() { return Control(target_cad::kIdListBox1); }
  Lines Items() {
    Lines items;
    int count = static_cast<int>(SendMessageW(List(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[256] = {};
      SendMessageW(List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      items.emplace_back(reinterpret_cast<const char16_t*>(text));
    }
    return items;
  }
  int Selected() { return static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0)); }
  std::u16string Fields() {
    return WindowText(Control(target_cad::kIdEdit1)) + u"|" +
           WindowText(Control(target_cad::kIdEdit2));
  }
  Lines FileLines() { return DecodeTargetList(files.files.at(kListPath), locale).lines; }
  void ClickItem(int index) {
    RECT r;
    SendMessageW(List(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    ClickAt(List(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
};

TEST(TargetDialogWinTest, TheListBoxSortsWithoutRegardToCaseAndSelectsTheTarget) {
  TargetDialog d({u"bricsCAD\tBricscadApp.AcadApplication", u"AutoCAD\tAutoCAD.Application",
                  u"Zeta\tZeta.Application", u"alpha\tAlpha.Application"});
  EXPECT_EQ(d.Items(),
            (Lines{u"alpha\tAlpha.Application", u"AutoCAD\tAutoCAD.Application",
                   u"bricsCAD\tBricscadApp.AcadApplication", u"Zeta\tZeta.Application"}));
  EXPECT_EQ(d.Selected(), 2);
  EXPECT_EQ(d.Fields(), u"bricsCAD|BricscadApp.AcadApplication");
}

TEST(TargetDialogWinTest, ClickingAnEntryFillsTheFields) {
  TargetDialog d({u"B\tB.App", u"no tab here", u"A\tA.App\tv2"});
  struct Case {
    int index;
    const char16_t* fields;
  } cases[] = {{0, u"A|A.App\tv2"}, {2, u"|no tab here"}, {1, u"B|B.App"}};
  for (const Case& c : cases) {
    d.ClickItem(c.index);
    EXPECT_EQ(d.Selected(), c.index);
    EXPECT_EQ(d.Fields(), c.fields);
  }
}

// Each button changes the list box and writes the whole list to the file.
TEST(TargetDialogWinTest, AddDeleteAndChangeRewriteTheListAndTheFile) {
  TargetDialog d({u"b\tB.App", u"d\tD.App"});
  struct Step {
    const char* name;
    int select;  // the entry clicked first, or -1
    const char16_t* name_typed;
    const char16_t* progId_typed;
    int button;
    Lines items;
    int selected;
    const char16_t* fields;
  } steps[] = {
      {"add",
       -1,
       u"C",
       u"C.App",
       target_cad::kIdSpeedButton1,
       {u"b\tB.App", u"C\tC.App", u"d\tD.App"},
       1,
       u"C|C.App"},
      {"add first",
       -1,
       u"a",
       u"A.App",
       target_cad::kIdSpeedButton1,
       {u"a\tA.App", u"b\tB.App", u"C\tC.App", u"d\tD.App"},
       0,
       u"a|A.App"},
      // Changed in place; the list sorts it only when next read.
      {"change",
       1,
       u"z",
       u"Z.App",
       target_cad::kIdSpeedButton3,
       {u"a\tA.App", u"z\tZ.App", u"C\tC.App", u"d\tD.App"},
       1,
       u"z|Z.App"},
      {"delete",
       2,
       nullptr,
       nullptr,
       target_cad::kIdSpeedButton2,
       {u"a\tA.App", u"z\tZ.App", u"d\tD.App"},
       2,
       u"d|D.App"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.select >= 0) d.ClickItem(step.select);
    if (step.name_typed != nullptr) Retype(d.Control(target_cad::kIdEdit1), step.name_typed);
    if (step.progId_typed != nullptr) Retype(d.Control(target_cad::kIdEdit2), step.progId_typed);
    SendMessageW(d.Control(step.button), BM_CLICK, 0, 0);
    EXPECT_EQ(d.Items(), step.items);
    EXPECT_EQ(d.Selected(), step.selected);
    EXPECT_EQ(d.Fields(), step.fields);
    EXPECT_EQ(d.FileLines(), step.items);
  }
}

// Opened from the main window: Enter in a field changes the entry rather than
// closing the dialog, and OK names the target in the main window's caption.
TEST(TargetDialogWinTest, EnterInAFieldChangesTheEntryAndOkMakesItTheTarget) {
  TargetDialog d({u"AutoCAD\tAutoCAD.Application", u"BricsCAD\tBricscadApp.AcadApplication"});
  RECT r;
  SendMessageW(d.List(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  LPARAM first = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(d.List(), WM_LBUTTONDOWN, MK_LBUTTON, first);
  PostMessageW(d.List(), WM_LBUTTONUP, 0, first);
  PostTyping(d.Control(target_cad::kIdEdit1), u"AutoCAD 2024");
  PostKey(d.Control(target_cad::kIdEdit1), VK_RETURN);
  // The key's character is posted as the key is handled, after all posted
  // here: the click waits for a timer, which comes only once the queue is empty.
  SetTimer(d.windows.targetWindow().hwnd(), 1, 10, [](HWND dialog, UINT, UINT_PTR id, DWORD) {
    KillTimer(dialog, id);
    PostClick(GetDlgItem(dialog, target_cad::kIdButton1));
  });
  d.form.Events().Fire(kIdSpeedButton7, Event::Click);
  EXPECT_EQ(d.FileLines(), (Lines{u"AutoCAD 2024\tAutoCAD.Application",
                                  u"BricsCAD\tBricscadApp.AcadApplication"}));
  EXPECT_EQ(d.windows.mainWindow().Caption(), u"KelvoEdit [ AutoCAD 2024 ]");
  EXPECT_EQ(TargetProgID, u"AutoCAD.Application");
  EXPECT_FALSE(IsWindowVisible(d.windows.targetWindow().hwnd()));
  EXPECT_TRUE(d.messages.shown.empty());
}

}  // namespace
}  // namespace kelvo
