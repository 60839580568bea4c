#pragma once
// A window's widgets in memory, made from its table as the real window makes
// its controls: what the forms are tested with.

#include <map>
#include <memory>
#include <vector>

#include "base/locale.h"
#include "ui/events.h"
#include "ui/form_table.h"
#include "ui/memory_widgets.h"
#include "ui/widget_set.h"

namespace kelvo {

class MemoryWidgetSet : public WidgetSet {
 public:
  MemoryWidgetSet(const WindowTable& table, const std::vector<MenuEntry>& menu,
                  const Locale& locale, MemoryClipboard* clipboard);
  Widget& widget(int id) override;
  // The widget as the in-memory type the row made.
  template <typename T>
  T& as(int id) {
    return get<T>(id);
  }
  // What a user's click does to the control before its event fires: a check
  // box toggles, a radio button is checked, a grouped flat button goes down.
  // False when the control is disabled and the click fires nothing.
  bool Click(int id);
  const WindowTable& table() const { return table_; }

 private:
  const WindowTable& table_;
  // The clipboard of memos when the caller shares none.
  std::unique_ptr<MemoryClipboard> clipboard_;
  std::map<int, std::unique_ptr<Widget>> widgets_;
};

}  // namespace kelvo
