#include "ui/memory_widget_factory.h"

#include <stdexcept>
#include <string>

namespace kelvo {
namespace {

bool Has(const WidgetRow& row, WidgetFlag flag) {
  return (row.flags & flag) != 0;
}

std::shared_ptr<ExclusiveGroup> GroupOf(const WidgetRow& row, MemoryWidgetContext& context) {
  if (row.group == 0) return nullptr;
  std::shared_ptr<ExclusiveGroup>& group = context.groups[{row.kind, row.group}];
  if (!group) group = std::make_shared<ExclusiveGroup>();
  return group;
}

Edit& BuddyOf(const WidgetRow& row, const MemoryWidgetContext& context) {
  auto it = context.widgets.find(row.buddy);
  auto* buddy = it == context.widgets.end() ? nullptr : dynamic_cast<Edit*>(it->second);
  if (buddy == nullptr) {
    throw std::invalid_argument("the buddy edit's row must be made before row " +
                                std::to_string(row.id));
  }
  return *buddy;
}

std::unique_ptr<Widget> MakeBare(const WidgetRow& row, MemoryWidgetContext& context) {
  std::u16string caption = row.caption;
  switch (row.kind) {
    case WidgetKind::SpeedButton:
    case WidgetKind::Button: {
      auto button = std::make_unique<MemoryButton>(
          caption, row.kind == WidgetKind::SpeedButton ? GroupOf(row, context) : nullptr);
      if (Has(row, kChecked)) button->SetDown();
      return button;
    }
    case WidgetKind::Label:
    case WidgetKind::StaticText:
    case WidgetKind::GroupBox:
      return std::make_unique<MemoryLabel>(caption);
    case WidgetKind::Edit: {
      auto edit = std::make_unique<MemoryEdit>();
      edit->SetText(caption);
      return edit;
    }
    case WidgetKind::Memo:
    case WidgetKind::Gutter: {
      auto memo = std::make_unique<MemoryMemo>(&context.clipboard);
      // A gutter's window text is no line of its own.
      if (row.kind == WidgetKind::Memo && !caption.empty()) memo->SetText(caption);
      if (row.kind == WidgetKind::Gutter) memo->SetEnabled(false);
      return memo;
    }
    case WidgetKind::CheckBox: {
      auto box = std::make_unique<MemoryCheckBox>();
      box->SetChecked(Has(row, kChecked));
      return box;
    }
    case WidgetKind::RadioButton: {
      auto radio = std::make_unique<MemoryRadioButton>(GroupOf(row, context));
      if (Has(row, kChecked)) radio->SetChecked(true);
      return radio;
    }
    case WidgetKind::ListBox:
      return std::make_unique<MemoryListBox>(context.locale, Has(row, kSorted));
    case WidgetKind::Panel:
      return std::make_unique<MemoryPanel>();
    case WidgetKind::UpDown: {
      Edit& buddy = BuddyOf(row, context);
      int position = ReadUpDownText(buddy.Text()).value_or(row.min);
      return std::make_unique<MemoryUpDown>(buddy, row.min, row.max, position);
    }
    case WidgetKind::StatusBar:
      return std::make_unique<MemoryStatusBar>();
    case WidgetKind::Timer: {
      auto timer = std::make_unique<MemoryTimer>();
      timer->SetEnabled(!Has(row, kDisabled));
      return timer;
    }
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Widget> MakeMemoryWidget(const WidgetRow& row, MemoryWidgetContext& context) {
  std::unique_ptr<Widget> widget = MakeBare(row, context);
  if (auto* control = dynamic_cast<Control*>(widget.get())) {
    if (Has(row, kDisabled)) control->SetEnabled(false);
    if (Has(row, kHidden)) control->SetVisible(false);
  }
  context.widgets[row.id] = widget.get();
  return widget;
}

}  // namespace kelvo
