// The in-memory widgets made from window table rows: the widget of each kind,
// with the row's caption and starting state.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "base/portable_locale.h"
#include "ui/memory_widget_factory.h"

namespace kelvo {
namespace {

WidgetRow Row(int id, WidgetKind kind, const char16_t* caption = u"", unsigned flags = 0) {
  WidgetRow row;
  row.id = id;
  row.kind = kind;
  row.caption = caption;
  row.flags = flags;
  return row;
}

WidgetRow Grouped(WidgetRow row, int group) {
  row.group = group;
  return row;
}

WidgetRow Buddied(WidgetRow row, int buddy, int min = 0, int max = 0) {
  row.buddy = buddy;
  row.min = min;
  row.max = max;
  return row;
}

WidgetRow Timed(WidgetRow row, int interval) {
  row.interval = interval;
  return row;
}

std::string Narrow(const std::u16string& text) {
  return std::string(text.begin(), text.end());
}

// What a form sees of a widget, in a few words.
std::string Describe(Widget& widget) {
  std::string words;
  if (auto* control = dynamic_cast<Control*>(&widget)) {
    words += control->Enabled() ? "enabled" : "disabled";
    words += control->Visible() ? " shown" : " hidden";
  }
  if (auto* button = dynamic_cast<Button*>(&widget)) {
    words += " '" + Narrow(button->Caption()) + "'" + (button->Down() ? " down" : "");
  }
  if (auto* label = dynamic_cast<Label*>(&widget)) words += " '" + Narrow(label->Text()) + "'";
  if (auto* edit = dynamic_cast<Edit*>(&widget)) words += " '" + Narrow(edit->Text()) + "'";
  if (auto* memo = dynamic_cast<Memo*>(&widget)) words += " '" + Narrow(memo->Text()) + "'";
  if (auto* box = dynamic_cast<CheckBox*>(&widget)) words += box->Checked() ? " checked" : "";
  if (auto* list = dynamic_cast<ListBox*>(&widget)) {
    // The order two items take tells a sorted list.
    list->Add(u"b");
    list->Add(u"a");
    words += " " + Narrow(list->Item(0)) + Narrow(list->Item(1));
  }
  if (auto* upDown = dynamic_cast<UpDown*>(&widget)) {
    words += " " + std::to_string(upDown->Position()) + " in " + std::to_string(upDown->Min()) +
             ".." + std::to_string(upDown->Max());
  }
  if (auto* timer = dynamic_cast<Timer*>(&widget))
    words += timer->Enabled() ? "running" : "stopped";
  return words;
}

struct MadeCase {
  WidgetRow row;
  std::type_index type;
  std::string description;
};

TEST(MakeMemoryWidgetTest, MakesEveryKindWithItsCaptionAndStartingState) {
  // Described once all are made: later rows act on earlier ones' groups, and
  // an up-down rewrites its buddy.
  const MadeCase cases[] = {
      {Grouped(Row(1, WidgetKind::SpeedButton, u"A", kChecked), 1), typeid(MemoryButton),
       "enabled shown 'A' down"},
      {Grouped(Row(2, WidgetKind::SpeedButton, u"B"), 1), typeid(MemoryButton),
       "enabled shown 'B'"},
      {Row(3, WidgetKind::SpeedButton, u"C", kChecked), typeid(MemoryButton), "enabled shown 'C'"},
      {Row(4, WidgetKind::Button, u"OK", kDisabled | kChecked), typeid(MemoryButton),
       "disabled shown 'OK'"},
      {Row(5, WidgetKind::Label, u"L", kHidden), typeid(MemoryLabel), "enabled hidden 'L'"},
      {Row(6, WidgetKind::StaticText, u"S", kCentered | kSunken), typeid(MemoryLabel),
       "enabled shown 'S'"},
      {Row(7, WidgetKind::Edit, u"3", kDigitsOnly), typeid(MemoryEdit), "enabled shown '3'"},
      {Row(8, WidgetKind::Memo, u"m"), typeid(MemoryMemo), "enabled shown 'm'"},
      {Buddied(Row(9, WidgetKind::Gutter, u"g"), 8), typeid(MemoryMemo), "disabled shown ''"},
      {Row(10, WidgetKind::CheckBox, u"c", kChecked), typeid(MemoryCheckBox),
       "enabled shown checked"},
      {Grouped(Row(11, WidgetKind::RadioButton, u"r", kChecked), 2), typeid(MemoryRadioButton),
       "enabled shown"},
      {Grouped(Row(12, WidgetKind::RadioButton, u"s", kChecked), 2), typeid(MemoryRadioButton),
       "enabled shown checked"},
      // Radio group 1 is not the flat buttons' group 1.
      {Grouped(Row(13, WidgetKind::RadioButton, u"t", kChecked), 1), typeid(MemoryRadioButton),
       "enabled shown checked"},
      {Row(14, WidgetKind::ListBox, u"", kSorted), typeid(MemoryListBox), "enabled shown ab"},
      {Row(15, WidgetKind::ListBox), typeid(MemoryListBox), "enabled shown ba"},
      {Row(16, WidgetKind::GroupBox, u"G"), typeid(MemoryLabel), "enabled shown 'G'"},
      {Row(17, WidgetKind::Panel, u"", kDisabled | kHidden), typeid(MemoryPanel),
       "disabled hidden"},
      {Buddied(Row(18, WidgetKind::UpDown, u"", kHorizontal), 7, 1, 8), typeid(MemoryUpDown),
       "enabled shown 3 in 1..8"},
      {Row(19, WidgetKind::Edit, u"x"), typeid(MemoryEdit), "enabled shown '2'"},
      {Buddied(Row(20, WidgetKind::UpDown), 19, 2, 5), typeid(MemoryUpDown),
       "enabled shown 2 in 2..5"},
      {Row(21, WidgetKind::Edit, u"9"), typeid(MemoryEdit), "enabled shown '5'"},
      {Buddied(Row(22, WidgetKind::UpDown), 21, 2, 5), typeid(MemoryUpDown),
       "enabled shown 5 in 2..5"},
      {Row(23, WidgetKind::StatusBar), typeid(MemoryStatusBar), "enabled shown"},
      {Timed(Row(24, WidgetKind::Timer), 200), typeid(MemoryTimer), "running"},
      {Timed(Row(25, WidgetKind::Timer, u"", kDisabled), 200), typeid(MemoryTimer), "stopped"},
  };
  PortableLocale locale;
  MemoryClipboard clipboard;
  MemoryWidgetContext context(locale, clipboard);
  std::map<int, std::unique_ptr<Widget>> made;
  for (const MadeCase& c : cases) made[c.row.id] = MakeMemoryWidget(c.row, context);
  for (const MadeCase& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.row.id));
    Widget& widget = *made.at(c.row.id);
    EXPECT_EQ(std::type_index(typeid(widget)), c.type);
    EXPECT_EQ(Describe(widget), c.description);
    EXPECT_EQ(context.widgets.at(c.row.id), &widget);
  }
  // The caption a label is made with is no write of the form's.
  EXPECT_EQ(dynamic_cast<MemoryLabel&>(*made.at(5)).writes, 0);
  // Groups made from rows exclude each other as the rows say.
  dynamic_cast<Button&>(*made.at(2)).SetDown();
  EXPECT_FALSE(dynamic_cast<Button&>(*made.at(1)).Down());
  dynamic_cast<CheckBox&>(*made.at(11)).SetChecked(true);
  EXPECT_FALSE(dynamic_cast<CheckBox&>(*made.at(12)).Checked());
  EXPECT_TRUE(dynamic_cast<CheckBox&>(*made.at(13)).Checked());
  // Memos share the context's clipboard.
  auto& memo = dynamic_cast<Memo&>(*made.at(8));
  memo.SetSel(0, 1);
  memo.Copy();
  EXPECT_EQ(clipboard.text, u"m");
}

TEST(MakeMemoryWidgetTest, AnUpDownNeedsItsBuddyEditMadeFirst) {
  PortableLocale locale;
  MemoryClipboard clipboard;
  MemoryWidgetContext context(locale, clipboard);
  auto label = MakeMemoryWidget(Row(1, WidgetKind::Label), context);
  EXPECT_THROW(MakeMemoryWidget(Buddied(Row(2, WidgetKind::UpDown), 1, 1, 8), context),
               std::invalid_argument);
  EXPECT_THROW(MakeMemoryWidget(Buddied(Row(3, WidgetKind::UpDown), 9, 1, 8), context),
               std::invalid_argument);
}

}  // namespace
}  // namespace kelvo
