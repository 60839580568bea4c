#include "ui/control_factory_win.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>

#include "base/system_error_win.h"
#include "ui/gutter_win.h"
#include "ui/speed_button_win.h"
#include "ui/widgets_win.h"

namespace kelvo {
namespace {

constexpr wchar_t kPanelClass[] = L"KelvoPanel";

// A panel holds controls; what they tell their parent goes on to the window.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CONTEXTMENU:
      return SendMessageW(GetParent(window), message, wp, lp);
    default:
      return DefWindowProcW(window, message, wp, lp);
  }
}

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kPanelClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kPanelClass;
  ThrowLastErrorIf(RegisterClassExW(&wc) == 0);
}

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle ClassFor(const WidgetRow& row, HINSTANCE instance) {
  const unsigned f = row.flags;
  const DWORD tabStop = (f & kNoTabStop) != 0 ? 0 : WS_TABSTOP;
  switch (row.kind) {
    case WidgetKind::SpeedButton:
      RegisterSpeedButtonClass(instance);
      return {kSpeedButtonClass, 0, 0};
    case WidgetKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | tabStop, 0};
    case WidgetKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case WidgetKind::StaticText:
      return {L"STATIC",
              static_cast<DWORD>(SS_NOPREFIX |
                                 ((f & kCentered) != 0 ? SS_CENTER | SS_CENTERIMAGE : SS_LEFT) |
                                 ((f & kSunken) != 0 ? SS_SUNKEN : 0)),
              0};
    case WidgetKind::Edit:
      return {L"EDIT",
              ES_AUTOHSCROLL | tabStop | ((f & kRightAligned) != 0 ? ES_RIGHT : 0) |
                  ((f & kDigitsOnly) != 0 ? ES_NUMBER : 0) |
                  ((f & kReadOnly) != 0 ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE};
    case WidgetKind::Memo:
      return {L"EDIT",
              ES_MULTILINE | ES_NOHIDESEL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                  WS_HSCROLL | tabStop,
              WS_EX_CLIENTEDGE};
    case WidgetKind::Gutter:
      Win32Gutter::RegisterClass(instance);
      return {kGutterClass, 0, WS_EX_CLIENTEDGE};
    case WidgetKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | tabStop, 0};
    case WidgetKind::RadioButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON | tabStop, 0};
    case WidgetKind::ListBox:
      return {L"LISTBOX",
              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tabStop |
                  ((f & kSorted) != 0 ? LBS_SORT : 0),
              WS_EX_CLIENTEDGE};
    case WidgetKind::GroupBox:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case WidgetKind::Panel:
      RegisterPanelClass(instance);
      return {kPanelClass, WS_CLIPCHILDREN, 0};
    case WidgetKind::UpDown:
      return {UPDOWN_CLASSW,
              static_cast<DWORD>(UDS_SETBUDDYINT | UDS_ARROWKEYS |
                                 ((f & kHorizontal) != 0 ? UDS_HORZ : 0)),
              0};
    case WidgetKind::StatusBar:
      // Placed by the layout, not by its own idea of its height.
      return {STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, 0};
    case WidgetKind::Timer:
      break;
  }
  return {L"STATIC", 0, 0};
}

}  // namespace

HWND CreateControlWindow(const WidgetRow& row, HWND parent, HINSTANCE instance, const RECT& rect) {
  ClassAndStyle c = ClassFor(row, instance);
  DWORD style = WS_CHILD | c.style;
  if ((row.flags & kHidden) == 0) style |= WS_VISIBLE;
  if ((row.flags & kDisabled) != 0) style |= WS_DISABLED;
  HWND control = CheckCreated(
      CreateWindowExW(c.exStyle, c.className, reinterpret_cast<const wchar_t*>(row.caption), style,
                      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr));
  if ((row.flags & kImeOff) != 0) ImmAssociateContextEx(control, nullptr, 0);
  if (row.kind == WidgetKind::Memo) {
    // The editor holds texts of any size, not the control's default 30,000 characters.
    SendMessageW(control, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  }
  if ((row.flags & kChecked) != 0 &&
      (row.kind == WidgetKind::CheckBox || row.kind == WidgetKind::RadioButton)) {
    SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  }
  return control;
}

namespace {

// Interim: the up-down over the common control.
class InterimUpDown : public Win32Control<UpDown> {
 public:
  InterimUpDown(HWND window, HWND buddy, int min, int max) : Win32Control(window) {
    SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageW(window, UDM_SETRANGE32, min, max);
  }
  int Position() const override {
    return static_cast<int>(SendMessageW(window_, UDM_GETPOS32, 0, 0));
  }
  void SetPosition(int position) override {
    SendMessageW(window_, UDM_SETPOS32, 0, std::clamp(position, Min(), Max()));
  }
  int Min() const override {
    int min = 0;
    int max = 0;
    SendMessageW(window_, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                 reinterpret_cast<LPARAM>(&max));
    return min;
  }
  int Max() const override {
    int min = 0;
    int max = 0;
    SendMessageW(window_, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                 reinterpret_cast<LPARAM>(&max));
    return max;
  }
};

// Interim: the list box over LISTBOX.
class InterimListBox : public Win32Control<ListBox> {
 public:
  using Win32Control::Win32Control;
  int Count() const override { return static_cast<int>(SendMessageW(window_, LB_GETCOUNT, 0, 0)); }
  std::u16string Item(int index) const override {
    auto length = SendMessageW(window_, LB_GETTEXTLEN, index, 0);
    if (length < 0) return u"";
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    auto copied = SendMessageW(window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
  }
  int Add(std::u16string_view item) override {
    std::u16string copy(item);
    return static_cast<int>(
        SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str())));
  }
  void Insert(int index, std::u16string_view item) override {
    std::u16string copy(item);
    SendMessageW(window_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(copy.c_str()));
  }
  void Delete(int index) override { SendMessageW(window_, LB_DELETESTRING, index, 0); }
  void Clear() override { SendMessageW(window_, LB_RESETCONTENT, 0, 0); }
  int ItemIndex() const override {
    return static_cast<int>(SendMessageW(window_, LB_GETCURSEL, 0, 0));
  }
  void SetItemIndex(int index) override { SendMessageW(window_, LB_SETCURSEL, index, 0); }
  int FindExact(std::u16string_view text) const override {
    std::u16string copy(text);
    return static_cast<int>(SendMessageW(window_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(copy.c_str())));
  }
};

class PlainControl : public Win32Control<Label> {
 public:
  using Win32Control::Win32Control;
  std::u16string Text() const override { return WindowText(window_); }
  void SetText(std::u16string_view text) override { SetWindowText16(window_, text); }
};

}  // namespace

std::unique_ptr<Widget> MakeWin32Widget(const WidgetRow& row, HWND control,
                                        Win32WidgetContext& context) {
  switch (row.kind) {
    case WidgetKind::SpeedButton:
    case WidgetKind::Button:
      return std::make_unique<Win32Button>(control);
    case WidgetKind::Label:
      return std::make_unique<Win32Label>(control);
    case WidgetKind::StaticText:
    case WidgetKind::GroupBox:
    case WidgetKind::Panel:
      return std::make_unique<PlainControl>(control);
    case WidgetKind::Edit:
      return std::make_unique<Win32Edit>(control);
    case WidgetKind::Memo:
      return std::make_unique<Win32Memo>(control);
    case WidgetKind::Gutter:
      return std::make_unique<Win32Gutter>(control, context.windows.at(row.buddy));
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
      return std::make_unique<Win32CheckBox>(control);
    case WidgetKind::ListBox:
      return std::make_unique<InterimListBox>(control);
    case WidgetKind::UpDown:
      return std::make_unique<InterimUpDown>(control, context.windows.at(row.buddy), row.min,
                                             row.max);
    case WidgetKind::StatusBar:
      return std::make_unique<Win32StatusBar>(control);
    case WidgetKind::Timer:
      return std::make_unique<Win32Timer>(context.owner, static_cast<UINT_PTR>(row.id),
                                          static_cast<UINT>(row.interval));
  }
  return nullptr;
}

}  // namespace kelvo
