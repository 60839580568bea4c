#include "ui/memory_widget_set.h"

#include <algorithm>

#include "base/error.h"
#include "base/text.h"

namespace kelvo {
namespace {

// Stand-ins until the in-memory building blocks land.
class InterimListBox : public MemoryControl<ListBox> {
 public:
  InterimListBox(const Locale& locale, bool sorted) : locale_(locale), sorted_(sorted) {}
  int Count() const override { return static_cast<int>(items_.size()); }
  std::u16string Item(int index) const override { return items_.at(std::size_t(index)); }
  int Add(std::u16string_view item) override {
    std::size_t at = items_.size();
    if (sorted_) {
      std::size_t lo = 0;
      std::size_t hi = items_.size();
      while (lo != hi) {
        std::size_t mid = (lo + hi) / 2;
        int c = locale_.CompareNoCase(item, items_[mid]);
        if (c == 0) {
          lo = hi = mid;
          break;
        }
        if (c < 0) {
          hi = mid;
        } else {
          lo = mid + 1;
        }
      }
      at = hi;
    }
    items_.insert(items_.begin() + std::ptrdiff_t(at), std::u16string(item));
    if (selected_ >= int(at)) ++selected_;
    return int(at);
  }
  void Insert(int index, std::u16string_view item) override {
    items_.insert(items_.begin() + index, std::u16string(item));
    if (selected_ >= index) ++selected_;
  }
  void Delete(int index) override {
    items_.erase(items_.begin() + index);
    if (selected_ == index) selected_ = -1;
    if (selected_ > index) --selected_;
  }
  void Clear() override {
    items_.clear();
    selected_ = -1;
  }
  int ItemIndex() const override { return selected_; }
  void SetItemIndex(int index) override { selected_ = index < Count() ? index : -1; }
  int FindExact(std::u16string_view text) const override {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (locale_.CompareNoCase(text, items_[i]) == 0) return int(i);
    }
    return -1;
  }

 private:
  const Locale& locale_;
  bool sorted_;
  std::vector<std::u16string> items_;
  int selected_ = -1;
};

class InterimUpDown : public MemoryControl<UpDown> {
 public:
  InterimUpDown(Edit& buddy, int min, int max) : buddy_(buddy), min_(min), max_(max) {}
  int Position() const override { return position_; }
  void SetPosition(int position) override {
    position_ = std::clamp(position, min_, max_);
    buddy_.SetText(ToU16(position_));
  }
  int Min() const override { return min_; }
  int Max() const override { return max_; }

 private:
  Edit& buddy_;
  int min_;
  int max_;
  int position_ = 0;
};

std::unique_ptr<Widget> MakeWidget(const WidgetRow& row, const Locale& locale,
                                   MemoryClipboard* clipboard,
                                   std::map<int, std::unique_ptr<Widget>>& made) {
  switch (row.kind) {
    case WidgetKind::SpeedButton:
    case WidgetKind::Button:
      return std::make_unique<MemoryButton>(row.caption);
    case WidgetKind::Label:
    case WidgetKind::StaticText: {
      auto label = std::make_unique<MemoryLabel>();
      label->SetText(row.caption);
      label->writes = 0;
      return label;
    }
    case WidgetKind::Edit: {
      auto edit = std::make_unique<MemoryEdit>();
      edit->SetText(row.caption);
      return edit;
    }
    case WidgetKind::Memo:
      return std::make_unique<MemoryMemo>(clipboard);
    case WidgetKind::Gutter:
      return std::make_unique<MemoryMemo>();
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton: {
      auto box = std::make_unique<MemoryCheckBox>();
      box->SetChecked((row.flags & kChecked) != 0);
      return box;
    }
    case WidgetKind::ListBox:
      return std::make_unique<InterimListBox>(locale, (row.flags & kSorted) != 0);
    case WidgetKind::GroupBox:
    case WidgetKind::Panel:
      return std::make_unique<MemoryButton>(row.caption);
    case WidgetKind::UpDown: {
      auto& buddy = dynamic_cast<Edit&>(*made.at(row.buddy));
      auto upDown = std::make_unique<InterimUpDown>(buddy, row.min, row.max);
      int position = 0;
      for (char16_t c : buddy.Text()) position = position * 10 + (c - u'0');
      upDown->SetPosition(position);
      return upDown;
    }
    case WidgetKind::StatusBar:
      return std::make_unique<MemoryStatusBar>();
    case WidgetKind::Timer:
      return std::make_unique<MemoryTimer>();
  }
  return nullptr;
}

}  // namespace

MemoryWidgetSet::MemoryWidgetSet(const WindowTable& table, const std::vector<MenuEntry>& menu,
                                 const Locale& locale, MemoryClipboard* clipboard)
    : table_(table) {
  for (const WidgetRow& row : table.rows) {
    std::unique_ptr<Widget> widget = MakeWidget(row, locale, clipboard, widgets_);
    if (auto* control = dynamic_cast<Control*>(widget.get())) {
      control->SetEnabled((row.flags & kDisabled) == 0);
      control->SetVisible((row.flags & kHidden) == 0);
    }
    widgets_[row.id] = std::move(widget);
  }
  for (const MenuEntry& entry : menu) {
    if (entry.id != 0) widgets_[entry.id] = std::make_unique<MemoryMenuItem>();
  }
}

Widget& MemoryWidgetSet::widget(int id) {
  auto it = widgets_.find(id);
  if (it == widgets_.end()) throw Error(u"no control " + ToU16(id));
  return *it->second;
}

void MemoryWidgetSet::Click(int id) {
  const WidgetRow* row = FindRow(table_, id);
  if (row == nullptr) return;
  if (row->kind == WidgetKind::CheckBox) {
    auto& box = get<CheckBox>(id);
    box.SetChecked(!box.Checked());
  } else if (row->kind == WidgetKind::RadioButton) {
    get<CheckBox>(id).SetChecked(true);
    for (const WidgetRow& other : table_.rows) {
      if (other.kind == WidgetKind::RadioButton && other.group == row->group && other.id != id) {
        get<CheckBox>(other.id).SetChecked(false);
      }
    }
  } else if (row->kind == WidgetKind::SpeedButton && row->group != 0) {
    get<Button>(id).SetDown();
  }
}

}  // namespace kelvo
