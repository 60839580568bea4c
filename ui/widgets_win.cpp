#include "ui/widgets_win.h"

#include <commctrl.h>

#include "base/handles_win.h"

#include <algorithm>
#include <vector>

#include "ui/exclusive_group_win.h"

namespace kelvo {

std::u16string WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void SetWindowText16(HWND window, std::u16string_view text) {
  std::u16string copy(text);
  SetWindowTextW(window, Wide(copy));
}

COLORREF ToColorRef(Color color) {
  return color == kWindowColor ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(color);
}

namespace {

// The size a label's text takes in the label's font.
SIZE TextExtent(HWND label, const std::u16string& text) {
  WindowDC dc(label);
  SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), Wide(text), static_cast<int>(text.size()), &size);
  return size;
}

void FitTo(HWND label, const std::u16string& text, int minHeight) {
  SIZE size = TextExtent(label, text);
  SetWindowPos(label, nullptr, 0, 0, size.cx + 2, std::max<LONG>(size.cy, minHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Win32Label::SetText(std::u16string_view text) {
  // The tick writes the label every time; an unchanged text is not repainted.
  if (WindowText(window_) == text) return;
  HWND parent = GetParent(window_);
  RECT old;
  GetWindowRect(window_, &old);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&old), 2);
  // Labels size themselves to their text, before it is drawn.
  std::u16string copy(text);
  FitTo(window_, copy, old.bottom - old.top);
  SetWindowText16(window_, copy);
  InvalidateRect(parent, &old, TRUE);
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Label::Refit() {
  FitTo(window_, WindowText(window_), 0);
}

void Win32StaticText::SetText(std::u16string_view text) {
  // An unchanged text is not repainted.
  if (WindowText(window_) != text) SetWindowText16(window_, text);
}

bool Win32Button::Down() const {
  return ExclusiveGroupOf(window_) != 0 && SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Button::SetDown() {
  if (ExclusiveGroupOf(window_) != 0) SendMessageW(window_, BM_SETCHECK, BST_CHECKED, 0);
}

bool Win32CheckBox::Checked() const {
  return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::SetChecked(bool checked) {
  SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Edit::SetFontColor(Color color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  InvalidateRect(window_, nullptr, TRUE);
}

int Win32ListBox::Count() const {
  return static_cast<int>(SendMessageW(window_, LB_GETCOUNT, 0, 0));
}

std::u16string Win32ListBox::Item(int index) const {
  auto length = SendMessageW(window_, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return u"";
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  auto copied = SendMessageW(window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

int Win32ListBox::Add(std::u16string_view item) {
  std::u16string copy(item);
  return static_cast<int>(
      SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str())));
}

void Win32ListBox::Insert(int index, std::u16string_view item) {
  std::u16string copy(item);
  SendMessageW(window_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(copy.c_str()));
}

void Win32ListBox::Delete(int index) {
  SendMessageW(window_, LB_DELETESTRING, index, 0);
}

void Win32ListBox::Clear() {
  SendMessageW(window_, LB_RESETCONTENT, 0, 0);
}

int Win32ListBox::ItemIndex() const {
  return static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::SetItemIndex(int index) {
  SendMessageW(window_, LB_SETCURSEL, index, 0);
}

int Win32ListBox::FindExact(std::u16string_view text) const {
  std::u16string copy(text);
  return static_cast<int>(SendMessageW(window_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(copy.c_str())));
}

namespace {

// A window's place within its parent, and putting it back there.
class KeptPlace {
 public:
  explicit KeptPlace(HWND window) : window_(window) {
    GetWindowRect(window, &rect_);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect_), 2);
  }
  void Restore() const {
    SetWindowPos(window_, nullptr, rect_.left, rect_.top, rect_.right - rect_.left,
                 rect_.bottom - rect_.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  HWND window_;
  RECT rect_{};
};

}  // namespace

Win32UpDown::Win32UpDown(HWND window, HWND buddy, int min, int max, int position)
    : Win32Control(window) {
  // UDS_ALIGNRIGHT moves the up-down onto the buddy's right end and narrows
  // the buddy; the places the window was laid out with stand instead.
  KeptPlace upDownPlace(window_);
  KeptPlace buddyPlace(buddy);
  SendMessageW(window_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  buddyPlace.Restore();
  upDownPlace.Restore();
  SendMessageW(window_, UDM_SETRANGE32, min, max);
  SetPosition(position);
}

int Win32UpDown::Position() const {
  // The control reads its buddy first; a text that is no number in range
  // leaves the last valid position, which is what the form wants.
  return static_cast<int>(SendMessageW(window_, UDM_GETPOS32, 0, 0));
}

void Win32UpDown::SetPosition(int position) {
  int low = std::min(Min(), Max());
  int high = std::max(Min(), Max());
  SendMessageW(window_, UDM_SETPOS32, 0, std::clamp(position, low, high));
}

int Win32UpDown::Min() const {
  int min = 0;
  SendMessageW(window_, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), 0);
  return min;
}

int Win32UpDown::Max() const {
  int max = 0;
  SendMessageW(window_, UDM_GETRANGE32, 0, reinterpret_cast<LPARAM>(&max));
  return max;
}

Win32Memo::Win32Memo(HWND window)
    : Win32Control(window), brush_(CreateSolidBrush(ToColorRef(backColor_))) {}

void Win32Memo::SetText(std::u16string_view text) {
  ++revision_;
  SetWindowText16(window_, text);
  SendMessageW(window_, EM_EMPTYUNDOBUFFER, 0, 0);
}

int Win32Memo::TextLength() const {
  return GetWindowTextLengthW(window_);
}

int Win32Memo::LineCount() const {
  return static_cast<int>(SendMessageW(window_, EM_GETLINECOUNT, 0, 0));
}

std::u16string Win32Memo::Line(int index) const {
  if (index < 0 || index >= LineCount()) return u"";
  auto start = SendMessageW(window_, EM_LINEINDEX, index, 0);
  auto length = SendMessageW(window_, EM_LINELENGTH, start, 0);
  if (start < 0 || length <= 0) return u"";
  if (length > 0xFFFF) {
    // EM_GETLINE states its buffer size in one word; longer lines come from the whole text.
    return Text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  }
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(length);
  auto copied = SendMessageW(window_, EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer.data()));
  return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()),
                        static_cast<std::size_t>(copied));
}

int Win32Memo::LineIndex(int line) const {
  return static_cast<int>(SendMessageW(window_, EM_LINEINDEX, line, 0));
}

int Win32Memo::LineFromChar(int charIndex) const {
  return static_cast<int>(SendMessageW(window_, EM_LINEFROMCHAR, charIndex, 0));
}

int Win32Memo::SelStart() const {
  DWORD start = 0, end = 0;
  SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int Win32Memo::SelEnd() const {
  DWORD start = 0, end = 0;
  SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end);
}

void Win32Memo::SetSel(int start, int end) {
  SendMessageW(window_, EM_SETSEL, start, end);
  SendMessageW(window_, EM_SCROLLCARET, 0, 0);
}

std::u16string Win32Memo::SelText() const {
  int start = SelStart();
  int end = SelEnd();
  if (end <= start) return u"";
  return Text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void Win32Memo::ReplaceSel(std::u16string_view text, bool canUndo) {
  ++revision_;
  std::u16string copy(text);
  SendMessageW(window_, EM_REPLACESEL, canUndo ? TRUE : FALSE,
               reinterpret_cast<LPARAM>(copy.c_str()));
  if (!canUndo) SendMessageW(window_, EM_EMPTYUNDOBUFFER, 0, 0);
}

bool Win32Memo::CanUndo() const {
  return SendMessageW(window_, EM_CANUNDO, 0, 0) != 0;
}
// A multi-line edit does not report changes made by messages, so these count
// themselves.
void Win32Memo::Undo() {
  ++revision_;
  SendMessageW(window_, EM_UNDO, 0, 0);
}
void Win32Memo::Cut() {
  ++revision_;
  SendMessageW(window_, WM_CUT, 0, 0);
}
void Win32Memo::Copy() {
  SendMessageW(window_, WM_COPY, 0, 0);
}
void Win32Memo::Paste() {
  ++revision_;
  SendMessageW(window_, WM_PASTE, 0, 0);
}

int Win32Memo::FirstVisibleLine() const {
  return static_cast<int>(SendMessageW(window_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void Win32Memo::LineScroll(int lines) {
  SendMessageW(window_, EM_LINESCROLL, 0, lines);
}

void Win32Memo::BeginUpdate() {
  if (updateDepth_++ == 0) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

void Win32Memo::EndUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) {
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window_, nullptr, TRUE);
  }
}

void Win32Memo::SetBackColor(Color color) {
  if (color == backColor_) return;
  backColor_ = color;
  brush_.reset(CreateSolidBrush(ToColorRef(color)));
  InvalidateRect(window_, nullptr, TRUE);
}

std::u16string Win32StatusBar::PanelText(int panel) const {
  auto length = LOWORD(SendMessageW(window_, SB_GETTEXTLENGTHW, panel, 0));
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window_, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(buffer.data()));
  return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
}

void Win32StatusBar::SetPanelText(int panel, std::u16string_view text) {
  std::u16string copy(text);
  SendMessageW(window_, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(copy.c_str()));
}

void Win32Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) {
    SetTimer(owner_, id_, interval_, nullptr);
  } else {
    KillTimer(owner_, id_);
  }
}

bool Win32MenuItem::Enabled() const {
  return (GetMenuState(menu_, id_, MF_BYCOMMAND) & (MF_DISABLED | MF_GRAYED)) == 0;
}

void Win32MenuItem::SetEnabled(bool enabled) {
  EnableMenuItem(menu_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace kelvo
