#include "ui/modal_window_win.h"

#include <vector>

#include "ui/widgets_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

int Scale(int value, int dpi) {
  return MulDiv(value, dpi, 96);
}

}  // namespace

ModalWindow::ModalWindow(HINSTANCE instance, const wchar_t* className, std::u16string_view caption,
                         int clientWidth, int clientHeight)
    : instance_(instance),
      className_(className),
      caption_(caption),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

void ModalWindow::Create(HWND owner, HFONT font) {
  owner_ = owner;
  font_ = font;
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance_, className_, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = OwnerWindowProc<ModalWindow>;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = className_;
    RegisterClassExW(&wc);
  }
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  RECT r{0, 0, Scale(clientWidth_, dpi_), Scale(clientHeight_, dpi_)};
  AdjustWindowRectEx(&r, kDialogStyle, FALSE, kDialogExStyle);
  CreateWindowExW(kDialogExStyle, className_, Wide(caption_), kDialogStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, owner, nullptr, instance_,
                  this);
}

ModalWindow::~ModalWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

std::u16string ModalWindow::Caption() const {
  return WindowText(window_);
}

void ModalWindow::SetCaption(std::u16string_view caption) {
  SetWindowText16(window_, caption);
}

void ModalWindow::SetTopmost(bool topmost, bool activate) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
}

WindowRect ModalWindow::RestoredBounds() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  const RECT& r = placement.rcNormalPosition;
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ModalWindow::MoveTo(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND ModalWindow::AddControl(const wchar_t* className, std::u16string_view text, DWORD style,
                             int id, int left, int top, int width, int height) {
  std::u16string copy(text);
  HWND control = CreateWindowExW(
      0, className, Wide(copy), WS_CHILD | WS_VISIBLE | style, Scale(left, dpi_), Scale(top, dpi_),
      Scale(width, dpi_), Scale(height, dpi_), window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  return control;
}

ModalResult ModalWindow::ShowModal() {
  // Centred on the screen each time it is shown.
  RECT r;
  GetWindowRect(window_, &r);
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  MoveTo((GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  result_ = ModalResult::None;
  running_ = true;
  // Modal over every window of the program, as the other windows are disabled.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  for (HWND window : disabled) EnableWindow(window, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  MSG msg;
  while (running_) {
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
  running_ = false;
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(window_, SW_HIDE);
  return result_ == ModalResult::None ? ModalResult::Cancel : result_;
}

void ModalWindow::EndModal(ModalResult result) {
  result_ = result;
  running_ = false;
}

LRESULT ModalWindow::Handle(UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_COMMAND: {
      int id = LOWORD(wp);
      int code = HIWORD(wp);
      if (onCommand_ && onCommand_(id, code)) return 0;
      if (id == IDCANCEL) {
        EndModal(ModalResult::Cancel);
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      // The close box counts as cancel.
      EndModal(ModalResult::Cancel);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wp, lp);
}

}  // namespace kelvo
