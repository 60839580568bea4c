#pragma once
// The widget interfaces the forms are written against. Each follows the rules
// of the Win32 control it stands for, so the in-memory widgets of the tests and
// the real controls behave alike.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// Colour values as the program writes them: 0x00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0;
inline constexpr Color kRed = 255;
inline constexpr Color kLightGrey = 15461355;  // RGB 235, 235, 235
// Stands for the system's window colour, whatever the user's scheme makes it.
inline constexpr Color kWindowColor = 0x80000005;

// Anything a window table's row makes: a control, a timer, a menu item.
class Widget {
 public:
  virtual ~Widget() = default;
};

class Control : public Widget {
 public:
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// Push buttons and flat buttons. A flat button of a group stays down once
// clicked, and exactly one of its group is down; other buttons are never down.
class Button : public Control {
 public:
  virtual std::u16string Caption() const = 0;
  virtual void SetCaption(std::u16string_view caption) = 0;
  virtual bool Down() const = 0;
  // Puts a grouped flat button down and the others of its group up; no
  // effect on a button without a group.
  virtual void SetDown() = 0;
};

class Label : public Control {
 public:
  virtual std::u16string Text() const = 0;
  virtual void SetText(std::u16string_view text) = 0;
};

// Check boxes and radio buttons. Checking a radio button unchecks the
// others of its group, whether the user or the program checks it.
class CheckBox : public Control {
 public:
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

// A list of lines with at most one selected. A sorted list keeps its items in
// the locale's order with letter case ignored (Locale::CompareNoCase), as the
// system's sorted list box does: Add puts an item at its sorted place, before
// any item that compares equal; Insert puts it at the index given, sorted or
// not.
class ListBox : public Control {
 public:
  virtual int Count() const = 0;
  virtual std::u16string Item(int index) const = 0;
  // Returns the index the item went to.
  virtual int Add(std::u16string_view item) = 0;
  virtual void Insert(int index, std::u16string_view item) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // -1 when nothing is selected. Selecting by program fires no event.
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
  // The first item equal to text with letter case ignored; -1 if none.
  virtual int FindExact(std::u16string_view text) const = 0;
};

// Arrows that step the number in their buddy edit within a range. The
// position is read from the buddy's text, as the user may have typed there; a
// text that is no number in the range leaves the last valid position.
class UpDown : public Control {
 public:
  virtual int Position() const = 0;
  // Clamped to the range; the buddy shows it.
  virtual void SetPosition(int position) = 0;
  virtual int Min() const = 0;
  virtual int Max() const = 0;
};

// A single-line edit field.
class Edit : public Control {
 public:
  virtual std::u16string Text() const = 0;
  virtual void SetText(std::u16string_view text) = 0;
  virtual Color FontColor() const = 0;
  virtual void SetFontColor(Color color) = 0;
  virtual void SetFocus() = 0;
};

// A multi-line edit control. Lines are separated by CR LF; the line count is
// the control's own (an empty control has one line, a final line break adds an
// empty last line). Character positions are UTF-16 code units.
class Memo : public Control {
 public:
  virtual std::u16string Text() const = 0;
  // Replaces the whole text; leaves nothing to undo.
  virtual void SetText(std::u16string_view text) = 0;
  virtual int TextLength() const = 0;
  virtual int LineCount() const = 0;
  // The text of a line without its break; "" for an index out of range.
  virtual std::u16string Line(int index) const = 0;
  // First character of a line; -1 for an index out of range.
  virtual int LineIndex(int line) const = 0;
  virtual int LineFromChar(int charIndex) const = 0;
  virtual int SelStart() const = 0;
  virtual int SelEnd() const = 0;
  virtual void SetSel(int start, int end) = 0;
  virtual std::u16string SelText() const = 0;
  // Replaces the selection; with canUndo the control's undo records it.
  virtual void ReplaceSel(std::u16string_view text, bool canUndo) = 0;
  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual int FirstVisibleLine() const = 0;
  virtual void LineScroll(int lines) = 0;
  // Suspends repainting until the matching EndUpdate.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;
  // A number that changes whenever the text changes, by program or by the
  // user; what is derived from the text can be kept until it moves.
  virtual std::uint64_t Revision() const = 0;
  // A read-only editor takes no typing, cut, paste or undo from the user;
  // the program still sets its text and replaces its selection.
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
};

class StatusBar : public Control {
 public:
  virtual std::u16string PanelText(int panel) const = 0;
  virtual void SetPanelText(int panel, std::u16string_view text) = 0;
};

class Timer : public Widget {
 public:
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class MenuItem : public Widget {
 public:
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace kelvo
