#include "app/main_window_win.h"

#include <commctrl.h>
#include <imm.h>

#include "app/error_report.h"
#include "app/main_layout.h"
#include "app/popup_layout.h"
#include "ui/speed_button_win.h"
#include "ui/subclass_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

constexpr wchar_t kPanelClass[] = L"KelvoPanel";
constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_TOPMOST | WS_EX_APPWINDOW;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerInterval = 200;

HFONT MakeFont(int pixelHeight) {
  return CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
}

const ControlLayout& LayoutOf(int id) {
  for (const ControlLayout& c : kMainLayout) {
    if (c.id == id) return c;
  }
  return kMainLayout[0];
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Win32Messages& messages)
    : instance_(instance), messages_(messages) {}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (popup_ != nullptr) DestroyMenu(popup_);
  for (HFONT font : {font_, editorFont_}) {
    if (font != nullptr) DeleteObject(font);
  }
}

void MainWindow::Create(const MainFormServices& services) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = OwnerWindowProc<MainWindow>;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kMainWindowClass;
  RegisterClassExW(&wc);

  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.lpfnWndProc = PanelProc;
  panel.hInstance = instance_;
  panel.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  panel.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  panel.lpszClassName = kPanelClass;
  RegisterClassExW(&panel);
  RegisterSpeedButtonClass(instance_);
  Win32Gutter::RegisterClass(instance_);

  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font_ = MakeFont(Scale(12));
  editorFont_ = MakeFont(Scale(13));

  RECT r{0, 0, Scale(kMainClientWidth), Scale(kMainClientHeight)};
  AdjustWindowRectEx(&r, kMainStyle, FALSE, kMainExStyle);
  CreateWindowExW(kMainExStyle, kMainWindowClass, L"KelvoEdit", kMainStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance_,
                  this);
  messages_.SetMainWindow(window_);
  CreateControls();
  BuildPopupMenu();
  LayoutControls();

  auto button = [this](int id) { return std::make_unique<Win32Button>(controls_[id]); };
  auto label = [this](int id) { return std::make_unique<Win32Label>(controls_[id]); };
  speedButton1_ = button(kIdSpeedButton1);
  speedButton2_ = button(kIdSpeedButton2);
  speedButton6_ = button(kIdSpeedButton6);
  speedButton7_ = button(kIdSpeedButton7);
  speedButton3_ = button(kIdSpeedButton3);
  speedButton5_ = button(kIdSpeedButton5);
  speedButton4_ = button(kIdSpeedButton4);
  label3_ = label(kIdLabel3);
  label4_ = label(kIdLabel4);
  label1_ = label(kIdLabel1);
  label2_ = label(kIdLabel2);
  edit1_ = std::make_unique<Win32Edit>(controls_[kIdEdit1]);
  edit2_ = std::make_unique<Win32Edit>(controls_[kIdEdit2]);
  checkBox1_ = std::make_unique<Win32CheckBox>(controls_[kIdCheckBox1]);
  memo2_ = std::make_unique<Win32Gutter>(controls_[kIdMemo2], controls_[kIdMemo1]);
  memo1_ = std::make_unique<Win32Memo>(controls_[kIdMemo1]);
  statusBar1_ = std::make_unique<Win32StatusBar>(controls_[kIdStatusBar1]);
  timer1_ = std::make_unique<Win32Timer>(window_, kTimerId, kTimerInterval);
  for (int id : {kIdN1, kIdN2, kIdN4, kIdN5, kIdN7, kIdN8, kIdN10, kIdN11, kIdN14, kIdN15}) {
    menuItems_[id] = std::make_unique<Win32MenuItem>(popup_, id);
  }
  auto item = [this](int id) -> MenuItem& { return *menuItems_[id]; };

  MainFormControls controls{
      *speedButton1_, *speedButton2_, *speedButton6_, *label3_,       *edit1_,      *label4_,
      *edit2_,        *label1_,       *label2_,       *speedButton7_, *checkBox1_,  *speedButton3_,
      *speedButton5_, *speedButton4_, *memo2_,        *memo1_,        *statusBar1_, *timer1_,
      item(kIdN1),    item(kIdN2),    item(kIdN4),    item(kIdN5),    item(kIdN7),  item(kIdN8),
      item(kIdN10),   item(kIdN11),   item(kIdN14),   item(kIdN15)};
  form_ = std::make_unique<TKelvoMainForm>(controls, services);
  Run([this] { form_->FormCreate(); });
  timer1_->SetEnabled(true);
}

void MainWindow::Show() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetFocus(controls_[kIdMemo1]);
}

void MainWindow::CreateControls() {
  for (const ControlLayout& c : kMainLayout) {
    const wchar_t* className = L"STATIC";
    DWORD style = WS_CHILD;
    DWORD exStyle = 0;
    HWND parent = window_;
    switch (c.kind) {
      case ControlKind::SpeedButton:
        className = kSpeedButtonClass;
        break;
      case ControlKind::Label:
        style |= SS_LEFT | SS_NOPREFIX;
        break;
      case ControlKind::Edit:
        className = L"EDIT";
        style |= ES_RIGHT | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::CheckBox:
        className = L"BUTTON";
        style |= BS_AUTOCHECKBOX | WS_TABSTOP;
        break;
      case ControlKind::Panel:
        className = kPanelClass;
        style |= WS_CLIPCHILDREN;
        break;
      case ControlKind::Memo:
        parent = panel_;
        exStyle = WS_EX_CLIENTEDGE;
        if (c.id == kIdMemo2) {
          className = kGutterClass;
          break;
        }
        className = L"EDIT";
        style |= ES_MULTILINE | ES_NOHIDESEL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                 WS_HSCROLL | WS_TABSTOP;
        break;
      case ControlKind::StatusBar:
        // Placed by the layout, not by its own idea of its height.
        className = STATUSCLASSNAMEW;
        style |= SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN;
        break;
    }
    if (c.visible) style |= WS_VISIBLE;
    if (!c.enabled) style |= WS_DISABLED;
    std::u16string caption(c.caption);
    HWND control =
        CreateWindowExW(exStyle, className, Wide(caption), style, Scale(c.left), Scale(c.top),
                        Scale(c.width), Scale(c.height), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
    controls_[c.id] = control;
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(c.kind == ControlKind::Memo ? editorFont_ : font_),
                 FALSE);
    if (c.kind == ControlKind::Panel) panel_ = control;
    if (c.kind == ControlKind::Edit) ImmAssociateContextEx(control, nullptr, 0);
  }
  HWND editor = controls_[kIdMemo1];
  // The editor holds texts of any size, not the control's default 30,000 characters.
  SendMessageW(editor, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  Subclass(editor, EditorProc, this);
  for (int id : {kIdEdit1, kIdEdit2}) Subclass(controls_[id], FieldProc, this);
  int parts[] = {Scale(kStatusPanelWidth), Scale(2 * kStatusPanelWidth)};
  SendMessageW(controls_[kIdStatusBar1], SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void MainWindow::BuildPopupMenu() {
  popup_ = CreatePopupMenu();
  HMENU convert = CreatePopupMenu();
  for (const MenuLayout& item : kConvertSubmenuLayout) {
    AppendMenuW(convert, MF_STRING, item.id, reinterpret_cast<const wchar_t*>(item.caption));
  }
  for (const MenuLayout& item : kPopupLayout) {
    if (item.id == 0) {
      AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr);
    } else if (item.id == kIdN21) {
      AppendMenuW(popup_, MF_POPUP, reinterpret_cast<UINT_PTR>(convert),
                  reinterpret_cast<const wchar_t*>(item.caption));
    } else {
      AppendMenuW(popup_, MF_STRING, item.id, reinterpret_cast<const wchar_t*>(item.caption));
    }
  }
}

void MainWindow::LayoutControls() {
  RECT client;
  GetClientRect(window_, &client);
  int width = client.right;
  int height = client.bottom;
  int statusHeight = Scale(LayoutOf(kIdStatusBar1).height);
  SetWindowPos(controls_[kIdStatusBar1], nullptr, 0, height - statusHeight, width, statusHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ControlLayout& c : kMainLayout) {
    if (c.anchor != Anchor::TopRight) continue;
    int right = Scale(kMainClientWidth - c.left);
    SetWindowPos(controls_[c.id], nullptr, width - right, Scale(c.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  int panelTop = Scale(LayoutOf(kIdPanel1).top);
  int panelHeight = std::max(0, height - statusHeight - panelTop);
  SetWindowPos(panel_, nullptr, 0, panelTop, width, panelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  int gutter = Scale(kGutterWidth);
  SetWindowPos(controls_[kIdMemo2], nullptr, 0, 0, gutter, panelHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(controls_[kIdMemo1], nullptr, gutter, 0, std::max(0, width - gutter), panelHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetTopmost(bool topmost, bool activate) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
}

WindowRect MainWindow::RestoredBounds() const {
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

void MainWindow::MoveTo(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Run(const std::function<void()>& handler) {
  if (form_) {
    form_->Dispatch(handler);
  } else {
    DispatchEvent(messages_, handler);
  }
}

void MainWindow::OnCommand(int id) {
  switch (id) {
    case kIdSpeedButton1:
      Run([this] { form_->SpeedButton1Click(); });
      break;
    case kIdSpeedButton2:
      Run([this] { form_->SpeedButton2Click(); });
      break;
    case kIdSpeedButton6:
      Run([this] { form_->SpeedButton6Click(); });
      break;
    case kIdSpeedButton7:
      Run([this] { form_->SpeedButton7Click(); });
      break;
    case kIdSpeedButton3:
      Run([this] { form_->SpeedButton3Click(); });
      break;
    case kIdSpeedButton4:
      Run([this] { form_->SpeedButton4Click(); });
      break;
    case kIdSpeedButton5:
      Run([this] { form_->SpeedButton5Click(); });
      break;
    case kIdN10:
      Run([this] { form_->N10Click(); });
      break;
    case kIdN11:
      Run([this] { form_->N11Click(); });
      break;
    case kIdN12:
      Run([this] { form_->N12Click(); });
      break;
    case kIdN20:
      Run([this] { form_->N20Click(); });
      break;
    case kIdN25:
      Run([this] { form_->N25Click(); });
      break;
    default:
      break;
  }
}

void MainWindow::ShowPopupMenu(POINT at) {
  if (at.x == -1 && at.y == -1) {
    // Opened from the keyboard: show it at the caret.
    GetCaretPos(&at);
    ClientToScreen(controls_[kIdMemo1], &at);
  }
  Run([this] { form_->PopupMenu1Popup(); });
  UINT id =
      TrackPopupMenu(popup_, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
  if (id != 0) OnCommand(static_cast<int>(id));
}

LRESULT MainWindow::ControlColor(HDC dc, HWND control, UINT message) {
  if (control == controls_[kIdMemo1]) {
    SetBkColor(dc, ToColorRef(memo1_->BackColor()));
    return reinterpret_cast<LRESULT>(memo1_->BackBrush());
  }
  if (control == controls_[kIdEdit1] || control == controls_[kIdEdit2]) {
    Win32Edit& edit = control == controls_[kIdEdit1] ? *edit1_ : *edit2_;
    SetTextColor(dc, ToColorRef(edit.FontColor()));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK MainWindow::PanelProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // The editor and the gutter live in the panel; the main window handles them.
      return SendMessageW(GetParent(window), message, wp, lp);
    default:
      return DefWindowProcW(window, message, wp, lp);
  }
}

LRESULT CALLBACK MainWindow::EditorProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<MainWindow*>(SubclassOwner(window));
  switch (message) {
    case WM_CONTEXTMENU:
      self->ShowPopupMenu({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case WM_CHAR:
      if (!self->KeyPress(kIdMemo1, wp)) return 0;
      break;
    // Text changed by a message from anywhere: a multi-line edit reports none
    // of these with EN_CHANGE.
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case WM_CLEAR:
    case WM_CUT:
    case WM_PASTE:
    case WM_UNDO:
    case EM_UNDO:
      if (self->memo1_) self->memo1_->NoteChange();
      break;
    default:
      break;
  }
  return CallOriginal(window, message, wp, lp);
}

LRESULT CALLBACK MainWindow::FieldProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<MainWindow*>(SubclassOwner(window));
  if (message == WM_CHAR && !self->KeyPress(GetDlgCtrlID(window), wp)) return 0;
  return CallOriginal(window, message, wp, lp);
}

bool MainWindow::KeyPress(int control, WPARAM& key) {
  if (key > 0xFFFF) return true;
  char16_t typed = static_cast<char16_t>(key);
  if (control == kIdEdit1) Run([&] { form_->Edit1KeyPress(typed); });
  if (control == kIdEdit2) Run([&] { form_->Edit2KeyPress(typed); });
  if (control == kIdMemo1) Run([&] { form_->Memo1KeyPress(typed); });
  key = typed;
  return typed != 0;
}

LRESULT MainWindow::Handle(UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_TIMER:
      if (wp == kTimerId) Run([this] { form_->Timer1Timer(); });
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == EN_CHANGE && memo1_ && reinterpret_cast<HWND>(lp) == controls_[kIdMemo1]) {
        memo1_->NoteChange();
        return 0;
      }
      if (lp != 0 && HIWORD(wp) != BN_CLICKED) break;
      OnCommand(LOWORD(wp));
      return 0;
    case WM_SIZE:
      if (panel_ != nullptr) LayoutControls();
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return ControlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), message);
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      // Back where the user was typing: the editor, or dX, dY.
      if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
          IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
      } else {
        SetFocus(controls_[kIdMemo1]);
      }
      return 0;
    case WM_CLOSE:
      Run([this] { form_->Close(); });
      return 0;
    case WM_QUERYENDSESSION:
      Run([this] { form_->QueryEndSession(); });
      return TRUE;
    case WM_ENDSESSION:
      if (wp != FALSE) Run([this] { form_->EndSession(); });
      return 0;
    case WM_DESTROY:
      if (timer1_) timer1_->SetEnabled(false);
      Run([this] { form_->FormDestroy(); });
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wp, lp);
}

}  // namespace kelvo
