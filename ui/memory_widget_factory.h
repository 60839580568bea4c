#pragma once
// The in-memory widget of a window table's row, with the row's caption and
// starting state, for driving the forms without windows.

#include <map>
#include <memory>
#include <utility>

#include "base/locale.h"
#include "ui/exclusive_group.h"
#include "ui/form_table.h"
#include "ui/memory_widgets.h"

namespace kelvo {

class MemoryWidgetContext {
 public:
  MemoryWidgetContext(const Locale& locale, MemoryClipboard& clipboard)
      : locale(locale), clipboard(clipboard) {}

  // The order sorted list boxes keep.
  const Locale& locale;
  // Shared by the memos' cut, copy and paste.
  MemoryClipboard& clipboard;
  // The widgets made so far, by row id: up-downs find their buddies here, so
  // a buddy's row comes first.
  std::map<int, Widget*> widgets;
  // One group of each kind and number: radio buttons and flat buttons.
  std::map<std::pair<WidgetKind, int>, std::shared_ptr<ExclusiveGroup>> groups;
};

// Makes the row's widget and notes it in the context. The row's caption is
// the text of buttons, labels, static texts, group boxes, edits and memos;
// kDisabled, kHidden and kChecked (a check box or radio button checked, a
// grouped flat button down) apply from the start. A gutter is disabled, as
// the real one takes neither focus nor clicks; an up-down starts at its
// buddy's number, clamped to its range (the minimum if there is none); a timer runs unless
// disabled.
std::unique_ptr<Widget> MakeMemoryWidget(const WidgetRow& row, MemoryWidgetContext& context);

}  // namespace kelvo
