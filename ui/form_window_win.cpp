#include "ui/form_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "base/system_error_win.h"
#include "ui/control_factory_win.h"
#include "ui/layout.h"
#include "ui/subclass_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

struct FrameStyle {
  DWORD style;
  DWORD exStyle;
};

FrameStyle StyleOf(const WindowTable& table) {
  FrameStyle frame{};
  switch (table.border) {
    case Border::Sizeable:
      frame = {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME, 0};
      break;
    case Border::Dialog:
      frame = {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME};
      break;
    case Border::ToolWindow:
      frame = {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
      break;
  }
  // The main window repaints often under its long editor: its controls are
  // left out of its painting. A dialog's group box draws only its frame, so
  // the dialog paints beneath it.
  if (table.border == Border::Sizeable) frame.style |= WS_CLIPCHILDREN;
  if (table.topmost) frame.exStyle |= WS_EX_TOPMOST;
  if (table.appWindow) frame.exStyle |= WS_EX_APPWINDOW;
  return frame;
}

constexpr int kProgramIconId = 1;

int SystemDpi() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

// The window's own dpi where the system tells it per window, else the system's.
int DpiOf(HWND window) {
  UINT dpi = GetDpiForWindow(window);
  return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

RECT OuterRect(const WindowTable& table, int dpi) {
  FrameStyle frame = StyleOf(table);
  RECT r{0, 0, ScaleToDpi(table.clientWidth, dpi), ScaleToDpi(table.clientHeight, dpi)};
  // The frame at the window's own dpi, which may not be the system's.
  AdjustWindowRectExForDpi(&r, frame.style, FALSE, frame.exStyle, static_cast<UINT>(dpi));
  return r;
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance, const WindowTable& table, const Locale& locale)
    : instance_(instance), table_(table), locale_(locale) {}

FormWindow::~FormWindow() {
  events_ = nullptr;
  if (window_ != nullptr) DestroyWindow(window_);
}

void FormWindow::RegisterWindowClass() {
  const auto* name = reinterpret_cast<const wchar_t*>(table_.className);
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance_, name, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = OwnerWindowProc<FormWindow>;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The program's own icon where the executable has one; a test host has none.
  wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(kProgramIconId));
  if (wc.hIcon == nullptr) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kProgramIconId),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = name;
  ThrowLastErrorIf(RegisterClassExW(&wc) == 0);
}

void FormWindow::Create(HWND owner, std::vector<MenuEntry> menu) {
  RegisterWindowClass();
  dpi_ = SystemDpi();
  FrameStyle frame = StyleOf(table_);
  RECT outer = OuterRect(table_, dpi_);
  CheckCreated(CreateWindowExW(frame.exStyle, reinterpret_cast<const wchar_t*>(table_.className),
                               reinterpret_cast<const wchar_t*>(table_.caption), frame.style,
                               CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                               outer.bottom - outer.top, owner, nullptr, instance_, this));
  owned_.reset(window_);
  int windowDpi = DpiOf(window_);
  if (windowDpi != dpi_) {
    // Created on a monitor of another scale than the system's.
    dpi_ = windowDpi;
    outer = OuterRect(table_, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CreateControls();
  BuildPopupMenu(menu);
  LayOutControls(true);
}

void FormWindow::CreateControls() {
  RECT client;
  GetClientRect(window_, &client);
  std::map<int, PixelRect> rects = LayOut(table_, client.right, client.bottom, dpi_);
  for (const WidgetRow& row : table_.rows) {
    if (row.kind == WidgetKind::Timer) continue;
    int container = ContainerOf(table_, row.id);
    HWND parent = container == 0 ? window_ : controls_.at(container);
    const PixelRect& r = rects[row.id];
    RECT scaled{r.left, r.top, r.left + r.width, r.top + r.height};
    HWND control = CreateControlWindow(row, parent, instance_, scaled);
    controls_[row.id] = control;
  }
  Win32WidgetContext context{window_, {}};
  for (const WidgetRow& row : table_.rows) {
    HWND control = row.kind == WidgetKind::Timer ? nullptr : controls_.at(row.id);
    widgets_[row.id] = MakeWin32Widget(row, control, context);
    if (row.kind == WidgetKind::Edit || row.kind == WidgetKind::Memo ||
        row.kind == WidgetKind::ListBox) {
      Subclass(control, ControlProc, this);
    }
  }
  ApplyFonts();
}

void FormWindow::BuildPopupMenu(const std::vector<MenuEntry>& menu) {
  if (menu.empty()) return;
  popup_.reset(CheckCreated(CreatePopupMenu()));
  std::map<int, HMENU> submenus;
  for (const MenuEntry& entry : menu) {
    bool opensSubmenu = std::any_of(menu.begin(), menu.end(), [&](const MenuEntry& e) {
      return entry.id != 0 && e.submenu == entry.id;
    });
    if (opensSubmenu) submenus[entry.id] = CheckCreated(CreatePopupMenu());
  }
  for (const MenuEntry& entry : menu) {
    HMENU into = entry.submenu == 0 ? popup_.get() : submenus.at(entry.submenu);
    const auto* caption = reinterpret_cast<const wchar_t*>(entry.caption);
    if (entry.id == 0) {
      AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
    } else if (submenus.count(entry.id) != 0) {
      // The submenu now belongs to the menu and goes with it.
      AppendMenuW(into, MF_POPUP, reinterpret_cast<UINT_PTR>(submenus[entry.id]), caption);
    } else {
      AppendMenuW(into, MF_STRING, static_cast<UINT_PTR>(entry.id), caption);
    }
    if (entry.id != 0) {
      // By command: the item is found in whichever submenu holds it.
      widgets_[entry.id] = std::make_unique<Win32MenuItem>(popup_.get(), entry.id);
    }
  }
}

HFONT FormWindow::FontFor(const FontSpec& wanted) {
  FontSpec font = wanted.height != 0 ? wanted : table_.font;
  auto& owned = fonts_[{font.height, font.bold}];
  if (!owned) {
    owned.reset(CheckCreated(CreateFontW(-ScaleToDpi(font.height, dpi_), 0, 0, 0,
                                         font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma")));
  }
  return owned.get();
}

void FormWindow::ApplyFonts() {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(table_.font)), FALSE);
  for (const WidgetRow& row : table_.rows) {
    if (row.kind == WidgetKind::Timer) continue;
    SendMessageW(controls_.at(row.id), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row.font)),
                 TRUE);
  }
}

void FormWindow::LayOutControls(bool resize) {
  if (controls_.empty()) return;
  RECT client;
  GetClientRect(window_, &client);
  std::map<int, PixelRect> rects = LayOut(table_, client.right, client.bottom, dpi_);
  for (const WidgetRow& row : table_.rows) {
    if (row.kind == WidgetKind::Timer) continue;
    const PixelRect& r = rects[row.id];
    HWND control = controls_.at(row.id);
    if (row.kind == WidgetKind::Label) {
      // A label sizes itself to its text; only a new dpi sizes it anew.
      SetWindowPos(control, nullptr, r.left, r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (resize) static_cast<Win32Label&>(*widgets_.at(row.id)).Refit();
      continue;
    }
    SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == WidgetKind::StatusBar) {
      int parts[] = {ScaleToDpi(row.panelWidth, dpi_), ScaleToDpi(2 * row.panelWidth, dpi_)};
      SendMessageW(control, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    }
  }
}

void FormWindow::Show() {
  Fire(kWindowId, Event::Show);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

HWND FormWindow::ControlWindow(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

Widget& FormWindow::widget(int id) {
  auto it = widgets_.find(id);
  if (it == widgets_.end()) throw Error(u"no control " + ToU16(id));
  return *it->second;
}

int FormWindow::IdOf(HWND control) const {
  for (const auto& [id, hwnd] : controls_) {
    if (hwnd == control) return id;
  }
  return -1;
}

void FormWindow::SetTopmost(bool topmost, bool activate) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
}

WindowRect FormWindow::RestoredBounds() const {
  if (!IsIconic(window_)) {
    RECT r;
    GetWindowRect(window_, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  // The restored position is kept in work-area coordinates.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT& r = placement.rcNormalPosition;
  return {r.left + work.left, r.top + work.top, r.right - r.left, r.bottom - r.top};
}

void FormWindow::MoveTo(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Destroy() {
  DestroyWindow(window_);
}

ModalResult FormWindow::ShowModal() {
  // Centred on the screen each time it is shown.
  RECT r;
  GetWindowRect(window_, &r);
  MoveTo((GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
         (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
  // Modal over every window of the program: the others are disabled meanwhile.
  struct Enabled {
    std::vector<HWND> windows;
    std::exception_ptr failure;
  } enabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lp) -> BOOL {
        auto& found = *reinterpret_cast<Enabled*>(lp);
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
        // No exception crosses the system's enumeration.
        try {
          found.windows.push_back(window);
        } catch (...) {
          found.failure = std::current_exception();
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&enabled));
  if (enabled.failure) std::rethrow_exception(enabled.failure);
  std::vector<HWND>& disabled = enabled.windows;
  result_ = ModalResult::None;
  modal_ = true;
  for (HWND window : disabled) EnableWindow(window, FALSE);
  Fire(kWindowId, Event::Show);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  MSG msg;
  while (modal_) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is quitting: leave the dialog and pass the quit on.
      PostQuitMessage(static_cast<int>(msg.wParam));
      result_ = ModalResult::Cancel;
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageW(window_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  modal_ = false;
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(window_, SW_HIDE);
  return result_ == ModalResult::None ? ModalResult::Cancel : result_;
}

void FormWindow::EndModal(ModalResult result) {
  result_ = result;
  modal_ = false;
}

bool FormWindow::Fire(int id, Event event, char16_t* key) {
  return events_ != nullptr && events_->Fire(id, event, key);
}

void FormWindow::OnCommand(int id, int code, HWND control) {
  if (control == nullptr) {
    // A menu command, or the dialog manager's Esc.
    if (id == IDCANCEL && modal_ && FindRow(table_, IDCANCEL) == nullptr) {
      EndModal(ModalResult::Cancel);
      return;
    }
    Fire(id, Event::Click);
    return;
  }
  const WidgetRow* row = FindRow(table_, id);
  if (row == nullptr) return;
  switch (code) {
    case BN_CLICKED:
      Fire(id, Event::Click);
      if (row->result != ModalResult::None && modal_) EndModal(row->result);
      break;
    case EN_CHANGE:
      if (auto* memo = dynamic_cast<Win32Memo*>(widgets_.at(id).get())) memo->NoteChange();
      Fire(id, Event::Change);
      break;
    case LBN_SELCHANGE:
      Fire(id, Event::SelectionChange);
      break;
    default:
      break;
  }
}

void FormWindow::ShowPopupMenu(POINT at, HWND control) {
  if (!popup_) return;
  if (at.x == -1 && at.y == -1) {
    // Opened from the keyboard: at the caret.
    GetCaretPos(&at);
    ClientToScreen(control, &at);
  }
  Fire(kWindowId, Event::Popup);
  UINT id = TrackPopupMenu(popup_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_,
                           nullptr);
  if (id != 0) Fire(static_cast<int>(id), Event::Click);
}

LRESULT FormWindow::ControlColor(HDC dc, HWND control, UINT message) {
  int id = IdOf(control);
  auto it = widgets_.find(id);
  if (it != widgets_.end()) {
    if (auto* memo = dynamic_cast<Win32Memo*>(it->second.get())) {
      SetBkColor(dc, ToColorRef(memo->BackColor()));
      return reinterpret_cast<LRESULT>(memo->BackBrush());
    }
    if (auto* edit = dynamic_cast<Win32Edit*>(it->second.get())) {
      SetTextColor(dc, ToColorRef(edit->FontColor()));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
  }
  return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK FormWindow::ControlProc(HWND control, UINT message, WPARAM wp, LPARAM lp) {
  return Guarded(
      [&] {
        return static_cast<FormWindow*>(SubclassOwner(control))
            ->HandleControl(control, message, wp, lp);
      },
      [&] { return CallOriginal(control, message, wp, lp); });
}

LRESULT FormWindow::HandleControl(HWND control, UINT message, WPARAM wp, LPARAM lp) {
  FormWindow* self = this;
  int id = GetDlgCtrlID(control);
  switch (message) {
    case WM_CHAR: {
      if (wp > 0xFFFF || self->events_ == nullptr) break;
      char16_t typed = static_cast<char16_t>(wp);
      if (self->Fire(id, Event::KeyPress, &typed)) {
        if (typed == 0) return 0;
        wp = typed;
      }
      break;
    }
    case WM_GETDLGCODE: {
      // A field whose key handler gives Enter its meaning gets Enter, rather
      // than the dialog manager turning it into a default button's click.
      LRESULT code = CallOriginal(control, message, wp, lp);
      const auto* msg = reinterpret_cast<const MSG*>(lp);
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
          self->events_ != nullptr && self->events_->Handles(id, Event::KeyPress)) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_CONTEXTMENU: {
      const WidgetRow* row = FindRow(self->table_, id);
      if (row != nullptr && (row->flags & kPopupMenu) != 0) {
        self->ShowPopupMenu({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))},
                            control);
        return 0;
      }
      break;
    }
    // Text changed by a message from anywhere: a multi-line edit reports none
    // of these with EN_CHANGE.
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case WM_CLEAR:
    case WM_CUT:
    case WM_PASTE:
    case WM_UNDO:
    case EM_UNDO: {
      auto it = self->widgets_.find(id);
      if (it != self->widgets_.end()) {
        if (auto* memo = dynamic_cast<Win32Memo*>(it->second.get())) memo->NoteChange();
      }
      break;
    }
    default:
      break;
  }
  return CallOriginal(control, message, wp, lp);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_TIMER:
      Fire(static_cast<int>(wp), Event::Timer);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_SIZE:
      LayOutControls(false);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wp);
      fonts_.clear();
      ApplyFonts();
      const auto* suggested = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      LayOutControls(true);
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return ControlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), message);
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS: {
      // Back where the user was typing.
      HWND target = lastFocus_;
      if (target == nullptr || !IsWindow(target) || !IsWindowEnabled(target) ||
          !IsWindowVisible(target)) {
        target = GetNextDlgTabItem(window_, nullptr, FALSE);
        for (const WidgetRow& row : table_.rows) {
          if ((row.flags & kPopupMenu) != 0) target = controls_.at(row.id);
        }
      }
      if (target != nullptr) SetFocus(target);
      return 0;
    }
    case WM_CLOSE:
      if (modal_) {
        // The close box counts as cancel.
        EndModal(ModalResult::Cancel);
      } else if (!Fire(kWindowId, Event::Close)) {
        DestroyWindow(window_);
      }
      return 0;
    case WM_QUERYENDSESSION:
      Fire(kWindowId, Event::QueryEndSession);
      return TRUE;
    case WM_ENDSESSION:
      if (wp != FALSE) Fire(kWindowId, Event::EndSession);
      return 0;
    case WM_DESTROY:
      for (const WidgetRow& row : table_.rows) {
        if (row.kind == WidgetKind::Timer)
          static_cast<Timer&>(*widgets_.at(row.id)).SetEnabled(false);
      }
      Fire(kWindowId, Event::Destroy);
      if (quitOnDestroy_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      owned_.release();
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wp, lp);
}

}  // namespace kelvo
