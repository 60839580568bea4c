#include "ui/memory_widgets.h"

#include <algorithm>

namespace kelvo {

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
