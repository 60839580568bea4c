#include "ui/memory_widget_set.h"

#include "base/error.h"
#include "base/text.h"
#include "ui/memory_widget_factory.h"

namespace kelvo {

MemoryWidgetSet::MemoryWidgetSet(const WindowTable& table, const std::vector<MenuEntry>& menu,
                                 const Locale& locale, MemoryClipboard* clipboard)
    : table_(table),
      clipboard_(clipboard != nullptr ? std::unique_ptr<MemoryClipboard>()
                                      : std::make_unique<MemoryClipboard>()) {
  MemoryWidgetContext context(locale, clipboard != nullptr ? *clipboard : *clipboard_);
  for (const WidgetRow& row : table.rows) widgets_[row.id] = MakeMemoryWidget(row, context);
  for (const MenuEntry& entry : menu) {
    if (entry.id != 0) widgets_[entry.id] = std::make_unique<MemoryMenuItem>();
  }
}

Widget& MemoryWidgetSet::widget(int id) {
  auto it = widgets_.find(id);
  if (it == widgets_.end()) throw Error(u"no control " + ToU16(id));
  return *it->second;
}

bool MemoryWidgetSet::Click(int id) {
  auto it = widgets_.find(id);
  if (it == widgets_.end()) return true;
  Widget* widget = it->second.get();
  if (auto* button = dynamic_cast<MemoryButton*>(widget)) return button->Click();
  if (auto* radio = dynamic_cast<MemoryRadioButton*>(widget)) return radio->Click();
  if (auto* box = dynamic_cast<MemoryCheckBox*>(widget)) return box->Click();
  return true;
}

}  // namespace kelvo
