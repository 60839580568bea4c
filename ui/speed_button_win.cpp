#include "ui/speed_button_win.h"

#include <memory>

#include "base/handles_win.h"
#include "base/system_error_win.h"
#include "ui/exclusive_group_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

struct ButtonState {
  bool pressed = false;
  bool hot = false;
  bool down = false;
  HFONT font = nullptr;
};

ButtonState* StateOf(HWND window) {
  return reinterpret_cast<ButtonState*>(GetWindowLongPtrW(window, 0));
}

void Click(HWND window) {
  if (!IsWindowEnabled(window)) return;
  // The parent finds the group as it will stay when it handles the click.
  if (ExclusiveGroupOf(window) != 0) SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

void SetDown(HWND window, ButtonState& state, bool down) {
  if (ExclusiveGroupOf(window) == 0) return;
  if (state.down != down) {
    state.down = down;
    InvalidateRect(window, nullptr, TRUE);
  }
  if (down) LetOthersGo(window);
}

// The down state's face: the button face checkered with the highlight, as
// flat tool buttons that stay down show it.
UniqueHbrush DownBrush() {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  UniqueHbitmap pattern(CreateBitmap(8, 8, 1, 1, kChecker));
  return UniqueHbrush(pattern ? CreatePatternBrush(pattern.get()) : nullptr);
}

void Draw(HWND window, HDC dc, const ButtonState& state) {
  RECT r;
  GetClientRect(window, &r);
  bool enabled = IsWindowEnabled(window) != FALSE;
  bool sunken = state.pressed || state.down;
  UniqueHbrush checker = state.down && !state.pressed ? DownBrush() : UniqueHbrush();
  if (checker) {
    // A monochrome pattern takes the text colour for its set bits.
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &r, checker.get());
  } else {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (sunken || (enabled && state.hot)) {
    DrawEdge(dc, &r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  wchar_t caption[128];
  int length = GetWindowTextW(window, caption, 128);
  SelectedObject font(dc, state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  if (sunken) OffsetRect(&r, 1, 1);
  DrawTextW(dc, caption, length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wp, LPARAM lp) {
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
      SetExclusiveGroup(window, 0);
      break;
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp) != 0) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_PAINT: {
      PaintScope paint(window);
      Draw(window, paint.dc(), *state);
      return 0;
    }
    case WM_PRINTCLIENT:
      Draw(window, reinterpret_cast<HDC>(wp), *state);
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
    case BM_GETCHECK:
      return state->down ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      SetDown(window, *state, wp == BST_CHECKED);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wp, lp);
}

LRESULT CALLBACK SpeedButtonProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  return Guarded([&] { return HandleMessage(window, message, wp, lp); },
                 [&]() -> LRESULT {
                   // A button without its state cannot be made.
                   if (message == WM_NCCREATE) return FALSE;
                   return DefWindowProcW(window, message, wp, lp);
                 });
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
  ThrowLastErrorIf(RegisterClassExW(&wc) == 0);
}

}  // namespace kelvo
