#include "ui/speed_button_win.h"

#include <memory>

namespace kelvo {
namespace {

struct ButtonState {
  bool pressed = false;
  bool hot = false;
  HFONT font = nullptr;
};

ButtonState* StateOf(HWND window) {
  return reinterpret_cast<ButtonState*>(GetWindowLongPtrW(window, 0));
}

void Click(HWND window) {
  if (!IsWindowEnabled(window)) return;
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

void Paint(HWND window, ButtonState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT r;
  GetClientRect(window, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  bool enabled = IsWindowEnabled(window) != FALSE;
  if (enabled && (state.hot || state.pressed)) {
    DrawEdge(dc, &r, state.pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  wchar_t caption[128];
  int length = GetWindowTextW(window, caption, 128);
  HGDIOBJ oldFont =
      SelectObject(dc, state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  if (state.pressed) OffsetRect(&r, 1, 1);
  DrawTextW(dc, caption, length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  EndPaint(window, &ps);
}

LRESULT CALLBACK SpeedButtonProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  ButtonState* state = StateOf(window);
  switch (message) {
    case WM_NCCREATE:
      // The window owns its state from creation to WM_NCDESTROY.
      SetWindowLongPtrW(window, 0,
                        reinterpret_cast<LONG_PTR>(std::make_unique<ButtonState>().release()));
      break;
    case WM_NCDESTROY:
      std::unique_ptr<ButtonState>(state).reset();
      SetWindowLongPtrW(window, 0, 0);
      break;
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp) != 0) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_PAINT:
      Paint(window, *state);
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(window, message, wp, lp);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_MOUSEMOVE:
      if (!state->hot) {
        state->hot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    case WM_MOUSELEAVE:
      state->hot = false;
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
      state->pressed = true;
      SetCapture(window);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP: {
      bool wasPressed = state->pressed;
      state->pressed = false;
      ReleaseCapture();
      InvalidateRect(window, nullptr, TRUE);
      POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      RECT r;
      GetClientRect(window, &r);
      if (wasPressed && PtInRect(&r, p)) Click(window);
      return 0;
    }
    case WM_CAPTURECHANGED:
      state->pressed = false;
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case BM_CLICK:
      Click(window);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wp, lp);
}

}  // namespace

void RegisterSpeedButtonClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kSpeedButtonClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = SpeedButtonProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kSpeedButtonClass;
  RegisterClassExW(&wc);
}

}  // namespace kelvo
