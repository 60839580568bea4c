#pragma once
// In-memory widgets with the rules of the Win32 controls, for tests and for
// driving the forms without windows.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/widgets.h"

namespace kelvo {

template <typename Base>
class MemoryControl : public Base {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }

 private:
  bool enabled_ = true;
  bool visible_ = true;
};

class MemoryButton : public MemoryControl<Button> {
 public:
  explicit MemoryButton(std::u16string caption = u"") : caption_(std::move(caption)) {}
  std::u16string Caption() const override { return caption_; }
  void SetCaption(std::u16string_view caption) override { caption_ = caption; }
  bool Down() const override { return false; }
  void SetDown() override {}

 private:
  std::u16string caption_;
};

class MemoryLabel : public MemoryControl<Label> {
 public:
  std::u16string Text() const override { return text_; }
  void SetText(std::u16string_view text) override {
    text_ = text;
    ++writes;
  }
  int writes = 0;

 private:
  std::u16string text_;
};

class MemoryCheckBox : public MemoryControl<CheckBox> {
 public:
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }

 private:
  bool checked_ = false;
};

class MemoryEdit : public MemoryControl<Edit> {
 public:
  std::u16string Text() const override { return text_; }
  void SetText(std::u16string_view text) override { text_ = text; }
  Color FontColor() const override { return color_; }
  void SetFontColor(Color color) override { color_ = color; }
  void SetFocus() override { focused = true; }
  bool focused = false;

 private:
  std::u16string text_;
  Color color_ = kBlack;
};

// The shared clipboard of the in-memory widgets.
struct MemoryClipboard {
  std::u16string text;
};

class MemoryMemo : public MemoryControl<Memo> {
 public:
  explicit MemoryMemo(MemoryClipboard* clipboard = nullptr, int visibleLines = 10)
      : clipboard_(clipboard), visibleLines_(visibleLines) {}

  std::u16string Text() const override { return text_; }
  void SetText(std::u16string_view text) override;
  int TextLength() const override { return static_cast<int>(text_.size()); }
  int LineCount() const override { return static_cast<int>(lineStarts_.size()); }
  std::u16string Line(int index) const override;
  int LineIndex(int line) const override;
  int LineFromChar(int charIndex) const override;
  int SelStart() const override { return selStart_; }
  int SelEnd() const override { return selEnd_; }
  void SetSel(int start, int end) override;
  std::u16string SelText() const override;
  void ReplaceSel(std::u16string_view text, bool canUndo) override;
  bool CanUndo() const override { return canUndo_; }
  void Undo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  int FirstVisibleLine() const override { return firstVisible_; }
  void LineScroll(int lines) override;
  void BeginUpdate() override { ++updateDepth_; }
  void EndUpdate() override;
  Color BackColor() const override { return backColor_; }
  void SetBackColor(Color color) override {
    backColor_ = color;
    ++colorWrites;
  }
  std::uint64_t Revision() const override { return revision_; }

  bool ReadOnly() const override { return readOnly_; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }

  // What a user's typing does: replaces the selection, undoable.
  void Type(std::u16string_view text) {
    if (!readOnly_) ReplaceSel(text, true);
  }
  int updateDepth() const { return updateDepth_; }
  int repaints = 0;
  int colorWrites = 0;

 private:
  void Reindex();
  void Repaint();

  MemoryClipboard* clipboard_;
  int visibleLines_;
  std::u16string text_;
  std::vector<int> lineStarts_{0};
  int selStart_ = 0;
  int selEnd_ = 0;
  int firstVisible_ = 0;
  int updateDepth_ = 0;
  Color backColor_ = kWindowColor;
  bool canUndo_ = false;
  std::uint64_t revision_ = 0;
  bool readOnly_ = false;
  std::u16string undoText_;
  int undoSelStart_ = 0;
  int undoSelEnd_ = 0;
};

class MemoryStatusBar : public MemoryControl<StatusBar> {
 public:
  std::u16string PanelText(int panel) const override;
  void SetPanelText(int panel, std::u16string_view text) override;
  int writes = 0;
  // Called before each write; a test makes a write fail through it.
  std::function<void()> onWrite;

 private:
  std::map<int, std::u16string> panels_;
};

class MemoryTimer : public Timer {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }

 private:
  bool enabled_ = true;
};

class MemoryMenuItem : public MenuItem {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }

 private:
  bool enabled_ = true;
};

}  // namespace kelvo
