#include "ui/memory_widgets.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace kelvo {

MemoryButton::MemoryButton(std::u16string caption, std::shared_ptr<ExclusiveGroup> group)
    : caption_(std::move(caption)), group_(std::move(group)) {
  if (group_) group_->Join(*this);
}

MemoryButton::~MemoryButton() {
  if (group_) group_->Leave(*this);
}

void MemoryButton::SetDown() {
  if (!group_) return;
  down_ = true;
  group_->Choose(*this);
}

bool MemoryButton::Click() {
  if (!Enabled()) return false;
  SetDown();
  return true;
}

bool MemoryCheckBox::Click() {
  if (!Enabled()) return false;
  checked_ = !checked_;
  return true;
}

MemoryRadioButton::MemoryRadioButton(std::shared_ptr<ExclusiveGroup> group)
    : group_(std::move(group)) {
  if (group_) group_->Join(*this);
}

MemoryRadioButton::~MemoryRadioButton() {
  if (group_) group_->Leave(*this);
}

void MemoryRadioButton::SetChecked(bool checked) {
  checked_ = checked;
  if (checked && group_) group_->Choose(*this);
}

bool MemoryRadioButton::Click() {
  if (!Enabled()) return false;
  SetChecked(true);
  return true;
}

std::u16string MemoryListBox::Item(int index) const {
  if (index < 0 || index >= Count()) return u"";
  return items_[static_cast<std::size_t>(index)];
}

int MemoryListBox::SortedPlace(std::u16string_view item) const {
  // The control's own search: it stops at the first equal item it meets,
  // which among duplicates need not be the first of them.
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    int middle = (low + high) / 2;
    int order = locale_.CompareNoCase(items_[static_cast<std::size_t>(middle)], item);
    if (order == 0) return middle;
    if (order > 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

int MemoryListBox::Add(std::u16string_view item) {
  int index = sorted_ ? SortedPlace(item) : Count();
  Insert(index, item);
  return index;
}

void MemoryListBox::Insert(int index, std::u16string_view item) {
  if (index == -1) index = Count();
  if (index < 0 || index > Count()) return;
  items_.insert(items_.begin() + index, std::u16string(item));
  if (selected_ >= index) ++selected_;
}

void MemoryListBox::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void MemoryListBox::Clear() {
  items_.clear();
  selected_ = -1;
}

void MemoryListBox::SetItemIndex(int index) {
  if (index >= -1 && index < Count()) selected_ = index;
}

int MemoryListBox::FindExact(std::u16string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (locale_.CompareNoCase(items_[static_cast<std::size_t>(i)], text) == 0) return i;
  }
  return -1;
}

namespace {

bool IsBlank(char16_t c) {
  return (c >= u'\t' && c <= u'\r') || c == u' ' || c == 0x00A0 || c == 0x3000;
}

// The value of a decimal digit, ASCII or full-width; -1 for anything else.
int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10;
  return -1;
}

}  // namespace

std::optional<int> ReadUpDownText(std::u16string_view text) {
  std::u16string kept;
  for (char16_t c : text) {
    if (c != u',') kept += c;
  }
  if (kept.empty()) return 0;
  std::size_t i = 0;
  while (i < kept.size() && IsBlank(kept[i])) ++i;
  bool negative = false;
  if (i < kept.size() && (kept[i] == u'+' || kept[i] == u'-')) negative = kept[i++] == u'-';
  std::size_t digitsStart = i;
  std::int64_t value = 0;
  for (; i < kept.size() && DigitValue(kept[i]) >= 0; ++i) {
    value = std::min<std::int64_t>(value * 10 + DigitValue(kept[i]), std::int64_t{INT_MAX} + 1);
  }
  if (i == digitsStart || i != kept.size()) return std::nullopt;
  if (negative) value = -value;
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

MemoryUpDown::MemoryUpDown(Edit& buddy, int min, int max, int position)
    : buddy_(buddy), min_(min), max_(max), position_(min) {
  SetPosition(position);
}

bool MemoryUpDown::InRange(int position) const {
  return position >= std::min(min_, max_) && position <= std::max(min_, max_);
}

int MemoryUpDown::Position() const {
  std::optional<int> typed = ReadUpDownText(buddy_.Text());
  if (typed && InRange(*typed)) position_ = *typed;
  return position_;
}

void MemoryUpDown::SetPosition(int position) {
  position_ = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
  std::string digits = std::to_string(position_);
  buddy_.SetText(std::u16string(digits.begin(), digits.end()));
}

void MemoryMemo::SetText(std::u16string_view text) {
  text_ = text;
  selStart_ = selEnd_ = 0;
  canUndo_ = false;
  Reindex();
  firstVisible_ = 0;
  Repaint();
}

std::u16string MemoryMemo::Line(int index) const {
  if (index < 0 || index >= LineCount()) return u"";
  int start = lineStarts_[index];
  int end = index + 1 < LineCount() ? lineStarts_[index + 1] - 2 : TextLength();
  return text_.substr(start, end - start);
}

int MemoryMemo::LineIndex(int line) const {
  if (line < 0 || line >= LineCount()) return -1;
  return lineStarts_[line];
}

int MemoryMemo::LineFromChar(int charIndex) const {
  auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), charIndex);
  return static_cast<int>(it - lineStarts_.begin()) - 1;
}

void MemoryMemo::SetSel(int start, int end) {
  // Like EM_SETSEL: -1 as start removes the selection; positions are clamped.
  int length = TextLength();
  if (start < 0) {
    selStart_ = selEnd_ = std::clamp(selEnd_, 0, length);
    return;
  }
  if (end < 0) end = length;
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  selStart_ = std::min(start, end);
  selEnd_ = std::max(start, end);
}

std::u16string MemoryMemo::SelText() const {
  return text_.substr(selStart_, selEnd_ - selStart_);
}

void MemoryMemo::ReplaceSel(std::u16string_view text, bool canUndo) {
  if (canUndo) {
    undoText_ = text_;
    undoSelStart_ = selStart_;
    undoSelEnd_ = selEnd_;
  }
  canUndo_ = canUndo;
  text_.replace(selStart_, selEnd_ - selStart_, text);
  selStart_ = selEnd_ = selStart_ + static_cast<int>(text.size());
  Reindex();
  Repaint();
}

void MemoryMemo::Undo() {
  if (!canUndo_ || readOnly_) return;
  // The control's one-step undo: undoing again redoes.
  std::swap(text_, undoText_);
  int start = undoSelStart_;
  int end = undoSelEnd_;
  undoSelStart_ = selStart_;
  undoSelEnd_ = selEnd_;
  selStart_ = start;
  selEnd_ = end;
  Reindex();
  SetSel(selStart_, selEnd_);
  Repaint();
}

void MemoryMemo::Cut() {
  if (selStart_ == selEnd_ || readOnly_) return;
  Copy();
  ReplaceSel(u"", true);
}

void MemoryMemo::Copy() {
  if (clipboard_ != nullptr && selStart_ != selEnd_) clipboard_->text = SelText();
}

void MemoryMemo::Paste() {
  if (clipboard_ == nullptr || clipboard_->text.empty() || readOnly_) return;
  // The control stops at the first NUL of the clipboard text.
  std::u16string_view text = clipboard_->text;
  text = text.substr(0, text.find(u'\0'));
  ReplaceSel(text, true);
}

void MemoryMemo::LineScroll(int lines) {
  firstVisible_ = std::clamp(firstVisible_ + lines, 0, std::max(0, LineCount() - 1));
}

void MemoryMemo::EndUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) Repaint();
}

void MemoryMemo::Reindex() {
  ++revision_;
  lineStarts_.assign(1, 0);
  for (std::size_t i = 0; i + 1 < text_.size(); ++i) {
    if (text_[i] == u'\r' && text_[i + 1] == u'\n') lineStarts_.push_back(static_cast<int>(i + 2));
  }
  firstVisible_ = std::min(firstVisible_, LineCount() - 1);
  // Keep the caret line in view, as the control scrolls to it.
  int caretLine = LineFromChar(std::min(selEnd_, TextLength()));
  if (caretLine < firstVisible_) firstVisible_ = caretLine;
  if (caretLine >= firstVisible_ + visibleLines_) firstVisible_ = caretLine - visibleLines_ + 1;
}

void MemoryMemo::Repaint() {
  if (updateDepth_ == 0) ++repaints;
}

std::u16string MemoryStatusBar::PanelText(int panel) const {
  auto it = panels_.find(panel);
  return it == panels_.end() ? u"" : it->second;
}

void MemoryStatusBar::SetPanelText(int panel, std::u16string_view text) {
  if (onWrite) onWrite();
  panels_[panel] = text;
  ++writes;
}

}  // namespace kelvo
