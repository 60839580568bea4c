#pragma once
// In-memory widgets with the rules of the Win32 controls, for tests and for
// driving the forms without windows.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/locale.h"
#include "ui/exclusive_group.h"
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

// A frame-less container: only shown or hidden, enabled or disabled.
using MemoryPanel = MemoryControl<Control>;

// A push button, or a flat button; a flat button with a group stays down once
// clicked, and one of its group at most is down.
class MemoryButton : public MemoryControl<Button>, private ExclusiveGroup::Member {
 public:
  explicit MemoryButton(std::u16string caption = u"",
                        std::shared_ptr<ExclusiveGroup> group = nullptr);
  ~MemoryButton() override;
  MemoryButton(const MemoryButton&) = delete;
  MemoryButton& operator=(const MemoryButton&) = delete;

  std::u16string Caption() const override { return caption_; }
  void SetCaption(std::u16string_view caption) override { caption_ = caption; }
  bool Down() const override { return down_; }
  void SetDown() override;
  // What the user's click does before the click event fires: a grouped button
  // goes down. False when the button is disabled and takes no click.
  bool Click();

 private:
  void LetGo() override { down_ = false; }

  std::u16string caption_;
  std::shared_ptr<ExclusiveGroup> group_;
  bool down_ = false;
};

// Labels, fixed-size static texts and the captions of group boxes.
class MemoryLabel : public MemoryControl<Label> {
 public:
  // The text it is made with counts as no write.
  explicit MemoryLabel(std::u16string text = u"") : text_(std::move(text)) {}
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
  // The user's click before the click event fires: toggles the check. False
  // when the box is disabled and takes no click.
  bool Click();

 private:
  bool checked_ = false;
};

// Checking one, by program or by click, unchecks the others of its group.
class MemoryRadioButton : public MemoryControl<CheckBox>, private ExclusiveGroup::Member {
 public:
  explicit MemoryRadioButton(std::shared_ptr<ExclusiveGroup> group = nullptr);
  ~MemoryRadioButton() override;
  MemoryRadioButton(const MemoryRadioButton&) = delete;
  MemoryRadioButton& operator=(const MemoryRadioButton&) = delete;

  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override;
  // The user's click before the click event fires: checks it. False when the
  // button is disabled and takes no click.
  bool Click();

 private:
  void LetGo() override { checked_ = false; }

  std::shared_ptr<ExclusiveGroup> group_;
  bool checked_ = false;
};

// The list box's rules as the system's control keeps them: a sorted list puts
// an added item where its binary search meets an equal item, or where the
// search ends; selecting or inserting out of range changes nothing.
class MemoryListBox : public MemoryControl<ListBox> {
 public:
  MemoryListBox(const Locale& locale, bool sorted) : locale_(locale), sorted_(sorted) {}

  int Count() const override { return static_cast<int>(items_.size()); }
  std::u16string Item(int index) const override;
  int Add(std::u16string_view item) override;
  void Insert(int index, std::u16string_view item) override;
  void Delete(int index) override;
  void Clear() override;
  int ItemIndex() const override { return selected_; }
  void SetItemIndex(int index) override;
  int FindExact(std::u16string_view text) const override;

 private:
  int SortedPlace(std::u16string_view item) const;

  const Locale& locale_;
  bool sorted_;
  std::vector<std::u16string> items_;
  int selected_ = -1;
};

// The number an up-down reads from its buddy's text, as the control reads it:
// the thousands separators ',' are dropped first; then blanks, a sign and
// decimal digits (full-width ones too) with nothing after them, or no text at
// all for 0. Too large a number stops at the int's limit. nullopt when the
// text is no number.
std::optional<int> ReadUpDownText(std::u16string_view text);

class MemoryUpDown : public MemoryControl<UpDown> {
 public:
  // The buddy shows the position from the start.
  MemoryUpDown(Edit& buddy, int min, int max, int position);

  int Position() const override;
  void SetPosition(int position) override;
  int Min() const override { return min_; }
  int Max() const override { return max_; }

 private:
  bool InRange(int position) const;

  Edit& buddy_;
  int min_;
  int max_;
  // Reading the buddy moves it, as UDM_GETPOS32 does.
  mutable int position_;
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
