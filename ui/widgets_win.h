#pragma once
// The widget interfaces over real Win32 controls.

#include <windows.h>

#include <string>

#include "base/handles_win.h"

#include "ui/widgets.h"

namespace kelvo {

std::u16string WindowText(HWND window);
void SetWindowText16(HWND window, std::u16string_view text);
inline const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
// The colour value a widget stores, as a COLORREF the system paints with.
COLORREF ToColorRef(Color color);

template <typename Base>
class Win32Control : public Base {
 public:
  explicit Win32Control(HWND window) : window_(window) {}
  bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(window_, enabled ? TRUE : FALSE); }
  bool Visible() const override {
    return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  void SetVisible(bool visible) override { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
  HWND hwnd() const { return window_; }

 protected:
  HWND window_;
};

// A frame-less container.
using Win32Panel = Win32Control<Control>;

// Push buttons and flat buttons; a flat button is in a group when its window
// carries one (ui/exclusive_group_win.h).
class Win32Button : public Win32Control<Button> {
 public:
  using Win32Control::Win32Control;
  std::u16string Caption() const override { return WindowText(window_); }
  void SetCaption(std::u16string_view caption) override { SetWindowText16(window_, caption); }
  bool Down() const override;
  void SetDown() override;
};

class Win32Label : public Win32Control<Label> {
 public:
  using Win32Control::Win32Control;
  std::u16string Text() const override { return WindowText(window_); }
  void SetText(std::u16string_view text) override;
  // Sizes the label to its text in its font, as after a change of dpi.
  void Refit();
};

// A static text of a fixed size, or the caption of a group box.
class Win32StaticText : public Win32Control<Label> {
 public:
  using Win32Control::Win32Control;
  std::u16string Text() const override { return WindowText(window_); }
  void SetText(std::u16string_view text) override;
};

class Win32GroupBox : public Win32StaticText {
 public:
  using Win32StaticText::Win32StaticText;
};

class Win32CheckBox : public Win32Control<CheckBox> {
 public:
  using Win32Control::Win32Control;
  bool Checked() const override;
  void SetChecked(bool checked) override;
};

// An auto radio button joined to its group (MakeExclusiveRadio): the window
// itself unchecks the others of its group, whoever checks it.
class Win32RadioButton : public Win32CheckBox {
 public:
  using Win32CheckBox::Win32CheckBox;
};

class Win32ListBox : public Win32Control<ListBox> {
 public:
  using Win32Control::Win32Control;
  int Count() const override;
  std::u16string Item(int index) const override;
  int Add(std::u16string_view item) override;
  void Insert(int index, std::u16string_view item) override;
  void Delete(int index) override;
  void Clear() override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  int FindExact(std::u16string_view text) const override;
};

// An up-down control with UDS_SETBUDDYINT, which writes the position into its
// buddy and reads it back from there.
class Win32UpDown : public Win32Control<UpDown> {
 public:
  // Attaches the buddy, both staying where they are, and sets the range and
  // the position the buddy shows.
  Win32UpDown(HWND window, HWND buddy, int min, int max, int position);
  int Position() const override;
  void SetPosition(int position) override;
  int Min() const override;
  int Max() const override;
};

// Colours are painted by the parent, which asks the widget in WM_CTLCOLOR*.
class Win32Edit : public Win32Control<Edit> {
 public:
  using Win32Control::Win32Control;
  std::u16string Text() const override { return WindowText(window_); }
  void SetText(std::u16string_view text) override { SetWindowText16(window_, text); }
  Color FontColor() const override { return fontColor_; }
  void SetFontColor(Color color) override;
  void SetFocus() override { ::SetFocus(window_); }

 private:
  Color fontColor_ = kBlack;
};

class Win32Memo : public Win32Control<Memo> {
 public:
  explicit Win32Memo(HWND window);
  std::u16string Text() const override { return WindowText(window_); }
  void SetText(std::u16string_view text) override;
  int TextLength() const override;
  int LineCount() const override;
  std::u16string Line(int index) const override;
  int LineIndex(int line) const override;
  int LineFromChar(int charIndex) const override;
  int SelStart() const override;
  int SelEnd() const override;
  void SetSel(int start, int end) override;
  std::u16string SelText() const override;
  void ReplaceSel(std::u16string_view text, bool canUndo) override;
  bool CanUndo() const override;
  void Undo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  int FirstVisibleLine() const override;
  void LineScroll(int lines) override;
  void BeginUpdate() override;
  void EndUpdate() override;
  Color BackColor() const override { return backColor_; }
  void SetBackColor(Color color) override;
  std::uint64_t Revision() const override { return revision_; }
  bool ReadOnly() const override {
    return (GetWindowLongPtrW(window_, GWL_STYLE) & ES_READONLY) != 0;
  }
  void SetReadOnly(bool readOnly) override {
    SendMessageW(window_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
  }
  // The text changed other than through this widget: typed by the user, or
  // set by a message from elsewhere.
  void NoteChange() { ++revision_; }
  // The brush the parent paints the background with.
  HBRUSH BackBrush() const { return brush_.get(); }

 private:
  std::uint64_t revision_ = 0;
  int updateDepth_ = 0;
  Color backColor_ = kWindowColor;
  UniqueHbrush brush_;
};

class Win32StatusBar : public Win32Control<StatusBar> {
 public:
  using Win32Control::Win32Control;
  std::u16string PanelText(int panel) const override;
  void SetPanelText(int panel, std::u16string_view text) override;
};

class Win32Timer : public Timer {
 public:
  Win32Timer(HWND owner, UINT_PTR id, UINT interval)
      : owner_(owner), id_(id), interval_(interval) {}
  ~Win32Timer() override { SetEnabled(false); }
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

 private:
  HWND owner_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
};

class Win32MenuItem : public MenuItem {
 public:
  Win32MenuItem(HMENU menu, UINT id) : menu_(menu), id_(id) {}
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;

 private:
  HMENU menu_;
  UINT id_;
};

}  // namespace kelvo
