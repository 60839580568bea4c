// The Win32 widgets against real controls: they must follow the same rules
// as the in-memory widgets the form is tested with.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include "base/error.h"
#include "base/handles_win.h"
#include "base/locale_win.h"
#include "ui/control_factory_win.h"
#include "ui/gutter_win.h"
#include "ui/memo_lines.h"
#include "ui/memory_widget_factory.h"
#include "ui/memory_widgets.h"
#include "ui/speed_button_win.h"
#include "ui/widgets_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

struct EditWindow {
  explicit EditWindow(DWORD style)
      : hwnd(CreateWindowExW(0, L"EDIT", L"", WS_POPUP | style, 0, 0, 200, 100, nullptr, nullptr,
                             nullptr, nullptr)) {}
  ~EditWindow() { DestroyWindow(hwnd); }
  HWND hwnd;
};

TEST(Win32MemoTest, FollowsTheRulesOfTheInMemoryMemo) {
  EditWindow window(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL);
  Win32Memo real(window.hwnd);
  MemoryMemo fake;
  for (Memo* memo : {static_cast<Memo*>(&real), static_cast<Memo*>(&fake)}) {
    SCOPED_TRACE(memo == &real ? "win32" : "memory");
    memo->SetText(u"");
    EXPECT_EQ(memo->LineCount(), 1);
    EXPECT_EQ(EditorLineCount(*memo), 0);
    memo->SetText(u"ab\r\n\r\ncd\r\n");
    EXPECT_EQ(memo->LineCount(), 4);
    EXPECT_EQ(EditorLineCount(*memo), 3);
    EXPECT_EQ(CountDataLines(*memo), 3);
    EXPECT_EQ(memo->Line(2), u"cd");
    EXPECT_EQ(memo->Line(9), u"");
    EXPECT_EQ(memo->LineIndex(2), 6);
    EXPECT_EQ(memo->LineFromChar(7), 2);
    EXPECT_FALSE(memo->CanUndo());
    memo->SetSel(10, 10);
    memo->ReplaceSel(u"ef", false);
    EXPECT_EQ(memo->Text(), u"ab\r\n\r\ncd\r\nef");
    EXPECT_FALSE(memo->CanUndo());
    memo->SetSel(0, 2);
    EXPECT_EQ(memo->SelText(), u"ab");
    memo->ReplaceSel(u"X", true);
    EXPECT_TRUE(memo->CanUndo());
    memo->Undo();
    EXPECT_EQ(memo->Line(0), u"ab");
    memo->SetSel(0, -1);
    EXPECT_EQ(memo->SelEnd(), memo->TextLength());
  }
}

TEST(Win32MemoTest, ReadOnlyGutterGrowsByReplacingTheEnd) {
  EditWindow window(ES_MULTILINE | ES_READONLY | ES_RIGHT);
  Win32Memo gutter(window.hwnd);
  gutter.SetText(u"1\r\n2");
  gutter.BeginUpdate();
  gutter.SetSel(gutter.TextLength(), gutter.TextLength());
  gutter.ReplaceSel(u"\r\n3\r\n4", false);
  gutter.EndUpdate();
  EXPECT_EQ(gutter.LineCount(), 4);
  EXPECT_EQ(EditorLineCount(gutter), 4);
}

// A row of a window table, as the tables write it.
class Row {
 public:
  Row(int id, WidgetKind kind, Rect96 rect) {
    row_.id = id;
    row_.kind = kind;
    row_.rect = rect;
  }
  Row& caption(const char16_t* caption) {
    row_.caption = caption;
    return *this;
  }
  Row& parent(int parent) {
    row_.parent = parent;
    return *this;
  }
  Row& flags(unsigned flags) {
    row_.flags = flags;
    return *this;
  }
  Row& group(int group) {
    row_.group = group;
    return *this;
  }
  Row& buddy(int buddy, int min = 0, int max = 0) {
    row_.buddy = buddy;
    row_.min = min;
    row_.max = max;
    return *this;
  }
  Row& interval(int interval) {
    row_.interval = interval;
    return *this;
  }
  Row& panelWidth(int width) {
    row_.panelWidth = width;
    return *this;
  }
  operator WidgetRow() const { return row_; }

 private:
  WidgetRow row_;
};

// A top-level window that hears the clicks of its controls.
class HostWindow {
 public:
  HostWindow() {
    WNDCLASSEXW wc{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoExW(instance, kClass, &wc)) {
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = OwnerWindowProc<HostWindow>;
      wc.hInstance = instance;
      wc.lpszClassName = kClass;
      RegisterClassExW(&wc);
    }
    CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, instance, this);
  }
  ~HostWindow() { DestroyWindow(window_); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND hwnd() const { return window_; }

  std::function<void(int id)> onClicked;

  // For OwnerWindowProc.
  void Attach(HWND window) { window_ = window; }
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp) {
    HWND window = window_;
    if (message == WM_COMMAND && HIWORD(wp) == BN_CLICKED && onClicked) onClicked(LOWORD(wp));
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
    }
    return DefWindowProcW(window, message, wp, lp);
  }

 private:
  static constexpr wchar_t kClass[] = L"KelvoWidgetTestHost";
  HWND window_ = nullptr;
};

// The same rows made as in-memory widgets or as real controls; a click is
// the user's, and the side's window hears it.
class Side {
 public:
  virtual ~Side() = default;
  virtual const char* name() const = 0;
  virtual void Click(int id) = 0;
  template <typename T>
  T& Get(int id) {
    return dynamic_cast<T&>(*widgets.at(id));
  }

  std::map<int, std::unique_ptr<Widget>> widgets;
  std::function<void(int id)> onClicked;
};

class MemorySide : public Side {
 public:
  MemorySide(std::span<const WidgetRow> rows, const Locale& locale) : context_(locale, clipboard_) {
    for (const WidgetRow& row : rows) widgets[row.id] = MakeMemoryWidget(row, context_);
  }
  const char* name() const override { return "memory"; }
  void Click(int id) override {
    Widget& widget = *widgets.at(id);
    bool clicked = false;
    if (auto* button = dynamic_cast<MemoryButton*>(&widget)) clicked = button->Click();
    if (auto* radio = dynamic_cast<MemoryRadioButton*>(&widget)) clicked = radio->Click();
    if (clicked && onClicked) onClicked(id);
  }

 private:
  MemoryClipboard clipboard_;
  MemoryWidgetContext context_;
};

class Win32Side : public Side {
 public:
  explicit Win32Side(std::span<const WidgetRow> rows) {
    context_.owner = host_.hwnd();
    for (const WidgetRow& row : rows) {
      HWND parent = row.parent != 0 ? context_.windows.at(row.parent) : host_.hwnd();
      RECT r{row.rect.left, row.rect.top, row.rect.left + row.rect.width,
             row.rect.top + row.rect.height};
      HWND control = CreateControlWindow(row, parent, GetModuleHandleW(nullptr), r);
      widgets[row.id] = MakeWin32Widget(row, control, context_);
    }
    host_.onClicked = [this](int id) {
      if (onClicked) onClicked(id);
    };
  }
  ~Win32Side() override { widgets.clear(); }
  const char* name() const override { return "win32"; }
  // The mouse messages of a click inside the control.
  void Click(int id) override {
    HWND control = Window(id);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  HWND Window(int id) const { return context_.windows.at(id); }
  HWND host() const { return host_.hwnd(); }

 private:
  HostWindow host_;
  Win32WidgetContext context_;
};

struct BothSides {
  explicit BothSides(std::span<const WidgetRow> rows) : memory(rows, locale), real(rows) {}
  std::vector<Side*> all() { return {&memory, &real}; }
  WindowsLocale locale;
  MemorySide memory;
  Win32Side real;
};

// '1' for each control checked or down, '0' for each other.
std::string States(Side& side, const std::vector<int>& ids) {
  std::string states;
  for (int id : ids) {
    Widget& widget = *side.widgets.at(id);
    bool on = false;
    if (auto* box = dynamic_cast<CheckBox*>(&widget)) on = box->Checked();
    if (auto* button = dynamic_cast<Button*>(&widget)) on = button->Down();
    states += on ? '1' : '0';
  }
  return states;
}

enum class Act { Click, Check, Uncheck, SetDown, Disable };

struct Step {
  Act act;
  int id;
  const char* states;  // after the step, and when the window hears a click
  bool heard;          // the window hears a click
};

void RunSteps(Side& side, const std::vector<int>& ids, std::span<const Step> steps) {
  SCOPED_TRACE(side.name());
  std::vector<std::string> heard;
  side.onClicked = [&](int id) { heard.push_back(std::to_string(id) + ":" + States(side, ids)); };
  for (const Step& step : steps) {
    SCOPED_TRACE("step on " + std::to_string(step.id));
    heard.clear();
    switch (step.act) {
      case Act::Click:
        side.Click(step.id);
        break;
      case Act::Check:
      case Act::Uncheck:
        side.Get<CheckBox>(step.id).SetChecked(step.act == Act::Check);
        break;
      case Act::SetDown:
        side.Get<Button>(step.id).SetDown();
        break;
      case Act::Disable:
        side.Get<Control>(step.id).SetEnabled(false);
        break;
    }
    EXPECT_EQ(States(side, ids), step.states);
    std::vector<std::string> expected;
    if (step.heard) expected.push_back(std::to_string(step.id) + ":" + step.states);
    EXPECT_EQ(heard, expected);
  }
  side.onClicked = nullptr;
}

TEST(Win32RadioButtonTest, CheckingOneUnchecksTheOthersOfItsGroupBeforeTheClickIsHeard) {
  const WidgetRow rows[] = {
      Row(10, WidgetKind::GroupBox, {0, 0, 200, 120}).caption(u"向き"),
      Row(11, WidgetKind::RadioButton, {8, 16, 80, 20}).parent(10).group(1),
      Row(12, WidgetKind::RadioButton, {8, 40, 80, 20}).parent(10).group(1).flags(kChecked),
      Row(13, WidgetKind::RadioButton, {8, 64, 80, 20}).parent(10).group(1),
      Row(21, WidgetKind::RadioButton, {210, 0, 80, 20}).group(2),
      Row(22, WidgetKind::RadioButton, {210, 24, 80, 20}).group(2),
  };
  const Step steps[] = {
      {Act::Check, 21, "01010", false},   {Act::Check, 13, "00110", false},
      {Act::Click, 11, "10010", true},    {Act::Click, 11, "10010", true},
      {Act::Uncheck, 11, "00010", false}, {Act::Click, 22, "00001", true},
      {Act::Click, 12, "01001", true},
  };
  BothSides sides(rows);
  for (Side* side : sides.all()) {
    SCOPED_TRACE(side->name());
    EXPECT_EQ(States(*side, {11, 12, 13, 21, 22}), "01000");
    RunSteps(*side, {11, 12, 13, 21, 22}, steps);
  }
}

TEST(Win32ButtonTest, OneFlatButtonOfAGroupStaysDownAndUngroupedOnesNever) {
  const WidgetRow rows[] = {
      Row(41, WidgetKind::SpeedButton, {0, 0, 24, 24}).group(1),
      Row(42, WidgetKind::SpeedButton, {24, 0, 24, 24}).group(1).flags(kChecked),
      Row(43, WidgetKind::SpeedButton, {48, 0, 24, 24}).group(1),
      Row(44, WidgetKind::SpeedButton, {72, 0, 24, 24}),
      Row(45, WidgetKind::Button, {96, 0, 60, 24}).caption(u"OK"),
  };
  const Step steps[] = {
      {Act::Click, 41, "10000", true},    {Act::SetDown, 43, "00100", false},
      {Act::SetDown, 44, "00100", false}, {Act::Click, 44, "00100", true},
      {Act::Click, 43, "00100", true},    {Act::SetDown, 45, "00100", false},
      {Act::Click, 45, "00100", true},    {Act::Disable, 41, "00100", false},
      {Act::Click, 41, "00100", false},
  };
  BothSides sides(rows);
  for (Side* side : sides.all()) {
    SCOPED_TRACE(side->name());
    EXPECT_EQ(States(*side, {41, 42, 43, 44, 45}), "01000");
    RunSteps(*side, {41, 42, 43, 44, 45}, steps);
  }
}

COLORREF PaintedCorner(HWND button) {
  WindowDC screen(nullptr);
  UniqueHdc dc(CreateCompatibleDC(screen.get()));
  UniqueHbitmap bitmap(CreateCompatibleBitmap(screen.get(), 24, 24));
  SelectedObject selected(dc.get(), bitmap.get());
  SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  return GetPixel(dc.get(), 0, 0);
}

TEST(Win32ButtonTest, AFlatButtonThatIsDownLooksSunken) {
  const WidgetRow rows[] = {
      Row(41, WidgetKind::SpeedButton, {0, 0, 24, 24}).group(1),
      Row(42, WidgetKind::SpeedButton, {24, 0, 24, 24}).group(1).flags(kChecked),
  };
  Win32Side side(rows);
  EXPECT_EQ(PaintedCorner(side.Window(41)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(PaintedCorner(side.Window(42)), GetSysColor(COLOR_BTNSHADOW));
  side.Get<Button>(41).SetDown();
  EXPECT_EQ(PaintedCorner(side.Window(41)), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PaintedCorner(side.Window(42)), GetSysColor(COLOR_BTNFACE));
}

std::vector<std::u16string> Items(const ListBox& list) {
  std::vector<std::u16string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
  return items;
}

struct ListCase {
  const char* name;
  bool sorted;
  // Works the list; records what the calls return and where the selection is.
  std::function<void(ListBox&, std::vector<int>&)> work;
  std::vector<std::u16string> items;
  std::vector<int> results;
};

void AddAll(ListBox& list, std::vector<int>& results, std::vector<std::u16string> items) {
  for (const std::u16string& item : items) results.push_back(list.Add(item));
}

TEST(Win32ListBoxTest, FollowsTheRulesOfTheInMemoryListBox) {
  const std::u16string autoCad = u"AutoCAD 2020\tAutoCAD.Application.23.1";
  const std::u16string brics22 = u"bricscad V22\tBricscadApp.AcadApplication.22";
  const std::u16string brics23 = u"BricsCAD V23\tBricscadApp.AcadApplication.23";
  const std::u16string ijcad = u"IJCAD 2021\tGcad.Application";
  const std::u16string jww = u"ジェイダブリュー\tJww.Application";
  const std::u16string zuno = u"図脳RAPID\tZunoRapid.Application";
  const ListCase cases[] = {
      {"sorted names keep the locale's order with case ignored",
       true,
       [&](ListBox& list, std::vector<int>& results) {
         AddAll(list, results,
                {brics23, autoCad, jww, brics22, u"co-op", u"coop", u"Co-op", ijcad, zuno, u"a b",
                 u"a\tb", u"ab"});
       },
       {u"a b", u"a\tb", u"ab", autoCad, brics22, brics23, u"coop", u"Co-op", u"co-op", ijcad, jww,
        zuno},
       {0, 0, 2, 1, 3, 3, 4, 6, 8, 0, 1, 2}},
      {"a case twin goes before the equal item the search meets",
       true,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"abc", u"ABC", u"Abc", u"abd", u"ab"});
       },
       {u"ab", u"Abc", u"ABC", u"abc", u"abd"},
       {0, 0, 0, 3, 0}},
      {"a duplicate goes before the middle one the search meets",
       true,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"b", u"a", u"c", u"b", u"B", u"b", u"b", u"B"});
       },
       {u"a", u"B", u"b", u"B", u"b", u"b", u"b", u"c"},
       {0, 0, 2, 1, 1, 2, 2, 3}},
      {"insert puts an item at its index even in a sorted list",
       true,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"c", u"a", u"b"});
         list.Insert(0, u"z");
         list.Insert(-1, u"y");
         list.Insert(9, u"w");
         list.Insert(5, u"x");
         results.push_back(list.Add(u"m"));
       },
       {u"z", u"a", u"b", u"c", u"m", u"y", u"x"},
       {0, 0, 1, 4}},
      {"the selection follows its item and goes with it",
       false,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"a", u"b", u"c", u"d"});
         auto at = [&] { results.push_back(list.ItemIndex()); };
         at();
         list.SetItemIndex(2);
         at();
         list.Insert(2, u"x");
         at();
         list.Insert(0, u"y");
         at();
         list.Delete(0);
         at();
         list.SetItemIndex(9);
         at();
         list.Delete(3);
         at();
         list.SetItemIndex(1);
         list.SetItemIndex(-1);
         at();
         list.SetItemIndex(0);
         list.Clear();
         at();
         results.push_back(list.Count());
       },
       {},
       {0, 1, 2, 3, -1, 2, 3, 4, 3, 3, -1, -1, -1, 0}},
      {"a sorted add before the selection moves it",
       true,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"a", u"c"});
         list.SetItemIndex(1);
         results.push_back(list.Add(u"b"));
         results.push_back(list.ItemIndex());
       },
       {u"a", u"b", u"c"},
       {0, 1, 1, 2}},
      {"deleting the last item, or out of range",
       false,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"a", u"b", u"c"});
         list.SetItemIndex(2);
         list.Delete(2);
         list.Delete(2);
         list.Delete(-1);
         results.push_back(list.ItemIndex());
         results.push_back(static_cast<int>(list.Item(5).size()));
         results.push_back(static_cast<int>(list.Item(-1).size()));
       },
       {u"a", u"b"},
       {0, 1, 2, -1, 0, 0}},
      {"find exact is the first equal item with case ignored",
       false,
       [&](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"x", u"ABC", u"y", u"abc", u"abcd", autoCad});
         for (std::u16string text :
              {u"abc", u"ab", u"ABCD", u"", u"abc ", u"autocad 2020\tautocad.application.23.1"}) {
           results.push_back(list.FindExact(text));
         }
       },
       {u"x", u"ABC", u"y", u"abc", u"abcd", autoCad},
       {0, 1, 2, 3, 4, 5, 1, -1, 4, -1, -1, 5}},
      {"find exact in a sorted list is the first of the duplicates",
       true,
       [](ListBox& list, std::vector<int>& results) {
         AddAll(list, results, {u"a", u"b", u"B", u"b", u"b", u"b", u"c", u"d", u"e", u"f"});
         results.push_back(list.FindExact(u"B"));
       },
       {u"a", u"b", u"b", u"b", u"B", u"b", u"c", u"d", u"e", u"f"},
       {0, 1, 1, 1, 1, 2, 6, 7, 8, 9, 1}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    const WidgetRow rows[] = {
        Row(50, WidgetKind::ListBox, {0, 0, 200, 200}).flags(c.sorted ? kSorted : 0u)};
    BothSides sides(rows);
    for (Side* side : sides.all()) {
      SCOPED_TRACE(side->name());
      auto& list = side->Get<ListBox>(50);
      std::vector<int> results;
      c.work(list, results);
      EXPECT_EQ(Items(list), c.items);
      EXPECT_EQ(results, c.results);
    }
  }
}

struct UpDownStep {
  const char* what;
  std::function<void(UpDown&, Edit&)> act;
  int position;
  std::u16string text;
};

TEST(Win32UpDownTest, FollowsTheRulesOfTheInMemoryUpDown) {
  const WidgetRow rows[] = {
      Row(60, WidgetKind::Edit, {0, 0, 60, 21}).caption(u"3"),
      Row(61, WidgetKind::UpDown, {60, 0, 16, 21}).buddy(60, 1, 8).flags(kHorizontal),
  };
  auto set = [](int position) {
    return [position](UpDown& upDown, Edit&) { upDown.SetPosition(position); };
  };
  auto type = [](std::u16string text) {
    return [text](UpDown&, Edit& buddy) { buddy.SetText(text); };
  };
  const UpDownStep steps[] = {
      {"made", [](UpDown&, Edit&) {}, 3, u"3"},
      {"set within", set(6), 6, u"6"},
      {"set above", set(20), 8, u"8"},
      {"set below", set(-5), 1, u"1"},
      {"typed", type(u"5"), 5, u"5"},
      {"typed above", type(u"9"), 5, u"9"},
      {"typed no number", type(u"x"), 5, u"x"},
      {"typed nothing", type(u""), 5, u""},
      {"typed zero", type(u"0"), 5, u"0"},
      {"typed with blanks before", type(u" 7"), 7, u" 7"},
      {"typed with a blank after", type(u"6 "), 7, u"6 "},
      {"typed with a sign", type(u"+2"), 2, u"+2"},
      {"typed with a separator", type(u",4"), 4, u",4"},
      {"typed full-width", type(u"\uFF16"), 6, u"\uFF16"},
      {"set after typing", set(2), 2, u"2"},
      {"disabled", [](UpDown& upDown, Edit&) { upDown.SetEnabled(false); }, 2, u"2"},
  };
  BothSides sides(rows);
  for (Side* side : sides.all()) {
    SCOPED_TRACE(side->name());
    auto& upDown = side->Get<UpDown>(61);
    auto& buddy = side->Get<Edit>(60);
    EXPECT_EQ(upDown.Min(), 1);
    EXPECT_EQ(upDown.Max(), 8);
    for (const UpDownStep& step : steps) {
      SCOPED_TRACE(step.what);
      step.act(upDown, buddy);
      EXPECT_EQ(upDown.Position(), step.position);
      EXPECT_EQ(buddy.Text(), step.text);
    }
    EXPECT_FALSE(upDown.Enabled());
    EXPECT_TRUE(buddy.Enabled());
  }
}

TEST(Win32UpDownTest, AReversedRangeClampsTheSameWay) {
  const WidgetRow rows[] = {
      Row(60, WidgetKind::Edit, {0, 0, 60, 21}).caption(u"0"),
      Row(61, WidgetKind::UpDown, {60, 0, 16, 21}).buddy(60, 8, 1),
  };
  BothSides sides(rows);
  for (Side* side : sides.all()) {
    SCOPED_TRACE(side->name());
    auto& upDown = side->Get<UpDown>(61);
    EXPECT_EQ(upDown.Position(), 1);
    upDown.SetPosition(20);
    EXPECT_EQ(upDown.Position(), 8);
    side->Get<Edit>(60).SetText(u"7");
    EXPECT_EQ(upDown.Position(), 7);
  }
}

TEST(Win32StaticTextTest, TextsAndStatesRoundTrip) {
  const WidgetRow rows[] = {
      Row(70, WidgetKind::StaticText, {0, 0, 40, 17}).caption(u"0").flags(kCentered | kSunken),
      Row(71, WidgetKind::GroupBox, {0, 20, 100, 60}),
  };
  BothSides sides(rows);
  for (Side* side : sides.all()) {
    SCOPED_TRACE(side->name());
    EXPECT_EQ(side->Get<Label>(70).Text(), u"0");
    EXPECT_EQ(side->Get<Label>(71).Text(), u"");
    for (int id : {70, 71}) {
      auto& text = side->Get<Label>(id);
      for (const char16_t* value : {u"ターゲット CAD", u""}) {
        text.SetText(value);
        EXPECT_EQ(text.Text(), value);
      }
      text.SetEnabled(false);
      text.SetVisible(false);
      EXPECT_FALSE(text.Enabled());
      EXPECT_FALSE(text.Visible());
      text.SetEnabled(true);
      text.SetVisible(true);
      EXPECT_TRUE(text.Enabled());
      EXPECT_TRUE(text.Visible());
    }
  }
}

TEST(Win32StaticTextTest, KeepsItsSizeWhateverItsText) {
  const WidgetRow rows[] = {
      Row(70, WidgetKind::StaticText, {0, 0, 40, 17}).caption(u"0"),
  };
  Win32Side side(rows);
  side.Get<Label>(70).SetText(u"a text far wider than the forty pixels it has");
  RECT r;
  GetWindowRect(side.Window(70), &r);
  EXPECT_EQ(r.right - r.left, 40);
}

struct WindowCase {
  WidgetRow row;
  const wchar_t* className;
  // The kind's own style: BS_*, SS_* types; -1 when the class has none.
  LONG_PTR type;
  DWORD styles;  // all of them set
  DWORD absent;  // none of them set
  DWORD exStyles;
  std::type_index widget;
};

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

TEST(Win32ControlFactoryTest, MakesEveryKindWithTheStylesOfItsFlags) {
  constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
  constexpr DWORD kEditStyles = ES_MULTILINE | ES_NOHIDESEL | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
  // A list box shows its scroll bar, and the style bit with it, only when
  // its items need it.
  const WindowCase cases[] = {
      {Row(1, WidgetKind::SpeedButton, {0, 0, 24, 24}).caption(u"A").group(1).flags(kChecked),
       kSpeedButtonClass, -1, kShown, WS_TABSTOP, 0, typeid(Win32Button)},
      {Row(2, WidgetKind::Button, {30, 0, 60, 24}).caption(u"OK"), L"Button", BS_PUSHBUTTON,
       kShown | WS_TABSTOP, 0, 0, typeid(Win32Button)},
      {Row(3, WidgetKind::Button, {90, 0, 60, 24}).flags(kNoTabStop | kDisabled | kHidden),
       L"Button", BS_PUSHBUTTON, WS_CHILD | WS_DISABLED, WS_TABSTOP | WS_VISIBLE, 0,
       typeid(Win32Button)},
      {Row(4, WidgetKind::Label, {0, 30, 40, 17}).caption(u"dX"), L"Static", SS_LEFT,
       kShown | SS_NOPREFIX, SS_SUNKEN | WS_TABSTOP, 0, typeid(Win32Label)},
      {Row(5, WidgetKind::StaticText, {40, 30, 40, 17}).flags(kCentered | kSunken), L"Static",
       SS_CENTER, kShown | SS_NOPREFIX | SS_SUNKEN, WS_TABSTOP, 0, typeid(Win32StaticText)},
      {Row(6, WidgetKind::Edit, {0, 50, 60, 21})
           .caption(u"3")
           .flags(kRightAligned | kImeOff | kDigitsOnly),
       L"Edit", -1, kShown | ES_RIGHT | ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP,
       ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE, typeid(Win32Edit)},
      {Row(7, WidgetKind::Edit, {80, 50, 60, 21}).flags(kReadOnly | kNoTabStop), L"Edit", -1,
       kShown | ES_READONLY | ES_AUTOHSCROLL, WS_TABSTOP | ES_RIGHT | ES_NUMBER, WS_EX_CLIENTEDGE,
       typeid(Win32Edit)},
      {Row(8, WidgetKind::Memo, {30, 80, 200, 100}), L"Edit", -1, kShown | kEditStyles, ES_READONLY,
       WS_EX_CLIENTEDGE, typeid(Win32Memo)},
      {Row(9, WidgetKind::Gutter, {0, 80, 30, 100}).buddy(8), kGutterClass, -1, kShown, WS_TABSTOP,
       WS_EX_CLIENTEDGE, typeid(Win32Gutter)},
      {Row(10, WidgetKind::CheckBox, {0, 190, 80, 20}).flags(kChecked), L"Button", BS_AUTOCHECKBOX,
       kShown | WS_TABSTOP, 0, 0, typeid(Win32CheckBox)},
      {Row(11, WidgetKind::GroupBox, {100, 190, 120, 80}).caption(u"G"), L"Button", BS_GROUPBOX,
       kShown | WS_CLIPCHILDREN, WS_TABSTOP, WS_EX_CONTROLPARENT, typeid(Win32GroupBox)},
      {Row(12, WidgetKind::RadioButton, {8, 16, 80, 20}).parent(11).group(1), L"Button",
       BS_AUTORADIOBUTTON, kShown | WS_GROUP, 0, 0, typeid(Win32RadioButton)},
      // A checked radio button keeps its tab stop; the system takes it from
      // the others of its group as they are unchecked.
      {Row(13, WidgetKind::RadioButton, {8, 40, 80, 20}).parent(11).group(1).flags(kChecked),
       L"Button", BS_AUTORADIOBUTTON, kShown | WS_TABSTOP, WS_GROUP, 0, typeid(Win32RadioButton)},
      {Row(14, WidgetKind::RadioButton, {0, 220, 80, 20}).group(2).flags(kNoTabStop), L"Button",
       BS_AUTORADIOBUTTON, kShown | WS_GROUP, WS_TABSTOP, 0, typeid(Win32RadioButton)},
      {Row(15, WidgetKind::ListBox, {240, 0, 100, 100}).flags(kSorted), L"ListBox", -1,
       kShown | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP, 0, WS_EX_CLIENTEDGE,
       typeid(Win32ListBox)},
      {Row(16, WidgetKind::ListBox, {240, 100, 100, 100}), L"ListBox", -1, kShown | LBS_NOTIFY,
       LBS_SORT, WS_EX_CLIENTEDGE, typeid(Win32ListBox)},
      {Row(17, WidgetKind::Panel, {0, 250, 100, 40}).flags(kDisabled), kContainerClass, -1,
       kShown | WS_CLIPCHILDREN | WS_DISABLED, WS_TABSTOP, WS_EX_CONTROLPARENT, typeid(Win32Panel)},
      {Row(18, WidgetKind::UpDown, {60, 50, 16, 21}).buddy(6, 1, 8).flags(kHorizontal),
       UPDOWN_CLASSW, -1,
       kShown | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS | UDS_HORZ,
       WS_TABSTOP, 0, typeid(Win32UpDown)},
      {Row(19, WidgetKind::StatusBar, {0, 280, 400, 20}).panelWidth(100), STATUSCLASSNAMEW, -1,
       kShown | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0, typeid(Win32StatusBar)},
  };
  std::vector<WidgetRow> rows;
  for (const WindowCase& c : cases) rows.push_back(c.row);
  const WindowTable table{.rows = rows};
  Win32Side side(rows);
  for (const WindowCase& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.row.id));
    HWND control = side.Window(c.row.id);
    EXPECT_EQ(CompareStringOrdinal(ClassName(control).c_str(), -1, c.className, -1, TRUE),
              CSTR_EQUAL);
    EXPECT_EQ(GetDlgCtrlID(control), c.row.id);
    EXPECT_EQ(WindowText(control), c.row.caption);
    auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
    if (c.type != -1) {
      LONG_PTR mask = c.className[0] == L'S' ? SS_TYPEMASK : BS_TYPEMASK;
      EXPECT_EQ(static_cast<LONG_PTR>(style) & mask, c.type);
    }
    EXPECT_EQ(style & c.styles, c.styles);
    EXPECT_EQ(style & c.absent, 0u);
    EXPECT_EQ(exStyle & c.exStyles, c.exStyles);
    Widget& widget = *side.widgets.at(c.row.id);
    EXPECT_EQ(std::type_index(typeid(widget)), c.widget);
  }
  EXPECT_TRUE(side.Get<Button>(1).Down());
  EXPECT_TRUE(side.Get<CheckBox>(10).Checked());
  EXPECT_FALSE(side.Get<CheckBox>(12).Checked());
  EXPECT_TRUE(side.Get<CheckBox>(13).Checked());
  EXPECT_EQ(SendMessageW(side.Window(8), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
  // kImeOff leaves the edit without an input context.
  for (int id : {6, 7}) {
    HIMC context = ImmGetContext(side.Window(id));
    EXPECT_EQ(context == nullptr, id == 6) << id;
    if (context != nullptr) ImmReleaseContext(side.Window(id), context);
  }
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(side.Window(18), UDM_GETBUDDY, 0, 0)),
            side.Window(6));
  EXPECT_EQ(side.Get<UpDown>(18).Position(), 3);
  // The up-down and its buddy keep the places the rows give them.
  for (int id : {6, 18}) {
    RECT r;
    GetWindowRect(side.Window(id), &r);
    MapWindowPoints(HWND_DESKTOP, side.host(), reinterpret_cast<POINT*>(&r), 2);
    const Rect96& place = FindRow(table, id)->rect;
    EXPECT_EQ(r.left, place.left) << id;
    EXPECT_EQ(r.right - r.left, place.width) << id;
  }
  int parts[3] = {};
  ASSERT_EQ(SendMessageW(side.Window(19), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(parts)), 2);
  WindowDC screen(nullptr);
  int panel = MulDiv(100, GetDeviceCaps(screen.get(), LOGPIXELSY), 96);
  EXPECT_EQ(parts[0], panel);
  EXPECT_EQ(parts[1], 2 * panel);
}

TEST(Win32ControlFactoryTest, ATimerRunsOnTheOwnerWithItsRowId) {
  const WidgetRow rows[] = {
      Row(20, WidgetKind::Timer, {}).interval(200),
      Row(21, WidgetKind::Timer, {}).interval(200).flags(kDisabled),
  };
  Win32Side side(rows);
  EXPECT_EQ(CreateControlWindow(rows[0], side.host(), GetModuleHandleW(nullptr), RECT{}), nullptr);
  EXPECT_EQ(std::type_index(typeid(*side.widgets.at(20))), std::type_index(typeid(Win32Timer)));
  EXPECT_TRUE(side.Get<Timer>(20).Enabled());
  EXPECT_FALSE(side.Get<Timer>(21).Enabled());
  // Only a timer that was set can be killed.
  EXPECT_TRUE(KillTimer(side.host(), 20));
  EXPECT_FALSE(KillTimer(side.host(), 21));
}

TEST(Win32ControlFactoryTest, APanelPassesItsChildrensClicksOn) {
  const WidgetRow rows[] = {
      Row(30, WidgetKind::Panel, {0, 0, 200, 100}),
      Row(31, WidgetKind::Panel, {0, 0, 200, 100}).parent(30),
      Row(32, WidgetKind::Button, {8, 8, 60, 24}).parent(31).caption(u"OK"),
  };
  Win32Side side(rows);
  std::vector<int> heard;
  side.onClicked = [&](int id) { heard.push_back(id); };
  side.Click(32);
  EXPECT_EQ(heard, std::vector<int>{32});
}

TEST(Win32ControlFactoryTest, ARefusedWindowRaises) {
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr);
  DestroyWindow(gone);
  const WidgetRow row = Row(1, WidgetKind::Button, {0, 0, 60, 24});
  EXPECT_THROW(CreateControlWindow(row, gone, GetModuleHandleW(nullptr), RECT{0, 0, 60, 24}),
               Error);
}

}  // namespace
}  // namespace kelvo
