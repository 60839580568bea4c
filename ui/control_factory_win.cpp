#include "ui/control_factory_win.h"

#include <commctrl.h>
#include <imm.h>

#include <stdexcept>

#include "base/handles_win.h"
#include "base/system_error_win.h"
#include "ui/exclusive_group_win.h"
#include "ui/gutter_win.h"
#include "ui/memory_widgets.h"
#include "ui/speed_button_win.h"
#include "ui/widgets_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

// A memo holds texts of any size, not the control's default 30,000
// characters.
constexpr LPARAM kMemoTextLimit = 0x7FFFFFFE;
constexpr UINT_PTR kForwardSubclassId = 1;

bool Has(const WidgetRow& row, WidgetFlag flag) {
  return (row.flags & flag) != 0;
}

void InitCommonControlClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)done;
}

bool IsForwarded(UINT message, LPARAM lp) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CONTEXTMENU:
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // From a control such as an up-down; the container has no scroll bars.
      return lp != 0;
    default:
      return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
  }
}

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  return Guarded(
      [&] {
        if (IsForwarded(message, lp)) return SendMessageW(GetParent(window), message, wp, lp);
        return DefWindowProcW(window, message, wp, lp);
      },
      [&] { return DefWindowProcW(window, message, wp, lp); });
}

LRESULT CALLBACK ForwardingSubclassProc(HWND window, UINT message, WPARAM wp, LPARAM lp,
                                        UINT_PTR id, DWORD_PTR) {
  return Guarded(
      [&] {
        if (message == WM_NCDESTROY) RemoveWindowSubclass(window, ForwardingSubclassProc, id);
        if (IsForwarded(message, lp)) return SendMessageW(GetParent(window), message, wp, lp);
        return DefSubclassProc(window, message, wp, lp);
      },
      [&] { return DefSubclassProc(window, message, wp, lp); });
}

void RegisterContainerClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kContainerClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ContainerProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kContainerClass;
  ThrowLastErrorIf(RegisterClassExW(&wc) == 0);
}

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

// Style bits from the headers are signed; conditional ones stay so.
constexpr DWORD If(bool condition, long style) {
  return condition ? static_cast<DWORD>(style) : 0;
}

DWORD TabStop(const WidgetRow& row) {
  return If(!Has(row, kNoTabStop), WS_TABSTOP);
}

DWORD EditStyle(const WidgetRow& row) {
  return If(Has(row, kDigitsOnly), ES_NUMBER) | If(Has(row, kRightAligned), ES_RIGHT) |
         If(Has(row, kReadOnly), ES_READONLY) | TabStop(row);
}

// Registers what the kind's class needs and says how to create it.
WindowKind KindOf(const WidgetRow& row, HWND parent, HINSTANCE instance) {
  switch (row.kind) {
    case WidgetKind::SpeedButton:
      RegisterSpeedButtonClass(instance);
      return {kSpeedButtonClass, 0, 0};
    case WidgetKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | TabStop(row), 0};
    case WidgetKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case WidgetKind::StaticText:
      return {L"STATIC",
              SS_NOPREFIX | If(Has(row, kCentered), SS_CENTER) | If(Has(row, kSunken), SS_SUNKEN),
              0};
    case WidgetKind::Edit:
      return {L"EDIT", ES_AUTOHSCROLL | EditStyle(row), WS_EX_CLIENTEDGE};
    case WidgetKind::Memo:
      return {L"EDIT",
              ES_MULTILINE | ES_NOHIDESEL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                  WS_HSCROLL | EditStyle(row),
              WS_EX_CLIENTEDGE};
    case WidgetKind::Gutter:
      Win32Gutter::RegisterClass(instance);
      return {kGutterClass, 0, WS_EX_CLIENTEDGE};
    case WidgetKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | TabStop(row), 0};
    case WidgetKind::RadioButton: {
      // The system's own keyboard moves and click handling keep to the
      // radios from one WS_GROUP to the next.
      bool first =
          row.group == 0 ||
          ExclusiveGroupMembers(GetAncestor(parent, GA_ROOT), L"BUTTON", row.group).empty();
      return {L"BUTTON", BS_AUTORADIOBUTTON | TabStop(row) | If(first, WS_GROUP), 0};
    }
    case WidgetKind::ListBox:
      return {L"LISTBOX",
              // A tab in an entry stands as a tab, not as a glyph.
              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | WS_VSCROLL |
                  If(Has(row, kSorted), LBS_SORT) | TabStop(row),
              WS_EX_CLIENTEDGE};
    case WidgetKind::GroupBox:
      return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case WidgetKind::Panel:
      RegisterContainerClass(instance);
      return {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case WidgetKind::UpDown:
      InitCommonControlClasses();
      return {UPDOWN_CLASSW,
              UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS |
                  If(Has(row, kHorizontal), UDS_HORZ),
              0};
    case WidgetKind::StatusBar:
      InitCommonControlClasses();
      // Placed by the layout, not by its own idea of its height.
      return {STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, 0};
    case WidgetKind::Timer:
      break;
  }
  return {nullptr, 0, 0};
}

int ScreenDpi() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

HWND BuddyOf(const WidgetRow& row, const Win32WidgetContext& context) {
  auto it = context.windows.find(row.buddy);
  if (it == context.windows.end()) {
    throw std::invalid_argument("the buddy's row must be made before row " +
                                std::to_string(row.id));
  }
  return it->second;
}

}  // namespace

HWND CreateControlWindow(const WidgetRow& row, HWND parent, HINSTANCE instance,
                         const RECT& scaled) {
  WindowKind kind = KindOf(row, parent, instance);
  if (kind.className == nullptr) return nullptr;
  DWORD style = WS_CHILD | kind.style | If(!Has(row, kHidden), WS_VISIBLE) |
                If(Has(row, kDisabled), WS_DISABLED);
  HWND control = CheckCreated(CreateWindowExW(
      kind.exStyle, kind.className, reinterpret_cast<const wchar_t*>(row.caption), style,
      scaled.left, scaled.top, scaled.right - scaled.left, scaled.bottom - scaled.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr));
  bool checkable = false;
  switch (row.kind) {
    case WidgetKind::SpeedButton:
      SetExclusiveGroup(control, row.group);
      checkable = true;
      break;
    case WidgetKind::CheckBox:
      checkable = true;
      break;
    case WidgetKind::RadioButton:
      MakeExclusiveRadio(control, row.group);
      checkable = true;
      break;
    case WidgetKind::Memo:
      SendMessageW(control, EM_SETLIMITTEXT, kMemoTextLimit, 0);
      break;
    case WidgetKind::GroupBox:
      SetWindowSubclass(control, ForwardingSubclassProc, kForwardSubclassId, 0);
      break;
    case WidgetKind::StatusBar: {
      int width = MulDiv(row.panelWidth, ScreenDpi(), 96);
      int parts[] = {width, 2 * width};
      SendMessageW(control, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
      break;
    }
    default:
      break;
  }
  if (checkable && Has(row, kChecked)) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  if (Has(row, kImeOff)) ImmAssociateContextEx(control, nullptr, 0);
  return control;
}

std::unique_ptr<Widget> MakeWin32Widget(const WidgetRow& row, HWND control,
                                        Win32WidgetContext& context) {
  if (control != nullptr) context.windows[row.id] = control;
  switch (row.kind) {
    case WidgetKind::SpeedButton:
    case WidgetKind::Button:
      return std::make_unique<Win32Button>(control);
    case WidgetKind::Label:
      return std::make_unique<Win32Label>(control);
    case WidgetKind::StaticText:
      return std::make_unique<Win32StaticText>(control);
    case WidgetKind::Edit:
      return std::make_unique<Win32Edit>(control);
    case WidgetKind::Memo:
      return std::make_unique<Win32Memo>(control);
    case WidgetKind::Gutter:
      return std::make_unique<Win32Gutter>(control, BuddyOf(row, context));
    case WidgetKind::CheckBox:
      return std::make_unique<Win32CheckBox>(control);
    case WidgetKind::RadioButton:
      return std::make_unique<Win32RadioButton>(control);
    case WidgetKind::ListBox:
      return std::make_unique<Win32ListBox>(control);
    case WidgetKind::GroupBox:
      return std::make_unique<Win32GroupBox>(control);
    case WidgetKind::Panel:
      return std::make_unique<Win32Panel>(control);
    case WidgetKind::UpDown: {
      HWND buddy = BuddyOf(row, context);
      int position = ReadUpDownText(WindowText(buddy)).value_or(row.min);
      return std::make_unique<Win32UpDown>(control, buddy, row.min, row.max, position);
    }
    case WidgetKind::StatusBar:
      return std::make_unique<Win32StatusBar>(control);
    case WidgetKind::Timer: {
      if (context.owner == nullptr) {
        throw std::invalid_argument("a timer needs the window it posts to");
      }
      auto timer = std::make_unique<Win32Timer>(context.owner, static_cast<UINT_PTR>(row.id),
                                                static_cast<UINT>(row.interval));
      timer->SetEnabled(!Has(row, kDisabled));
      return timer;
    }
  }
  return nullptr;
}

}  // namespace kelvo
