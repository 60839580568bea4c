#include "ui/gutter_win.h"

#include "base/handles_win.h"
#include "base/system_error_win.h"
#include "ui/widgets_win.h"
#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

constexpr COLORREF kNumberColor = RGB(255, 255, 255);
constexpr COLORREF kBackColor = RGB(192, 192, 192);
constexpr int kRightMargin = 3;

}  // namespace

Win32Gutter::Win32Gutter(HWND window, HWND editor) : window_(window), editor_(editor) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // It takes neither the focus nor clicks, as a disabled control would.
  MemoryMemo::SetEnabled(false);
}

void Win32Gutter::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kGutterClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kGutterClass;
  ThrowLastErrorIf(RegisterClassExW(&wc) == 0);
}

void Win32Gutter::SetText(std::u16string_view text) {
  MemoryMemo::SetText(text);
  Invalidate();
}

void Win32Gutter::ReplaceSel(std::u16string_view text, bool canUndo) {
  MemoryMemo::ReplaceSel(text, canUndo);
  Invalidate();
}

void Win32Gutter::LineScroll(int lines) {
  MemoryMemo::LineScroll(lines);
  Invalidate();
}

void Win32Gutter::EndUpdate() {
  MemoryMemo::EndUpdate();
  Invalidate();
}

void Win32Gutter::SetVisible(bool visible) {
  MemoryMemo::SetVisible(visible);
  ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Gutter::Invalidate() {
  if (updateDepth() == 0) InvalidateRect(window_, nullptr, TRUE);
}

void Win32Gutter::Paint() {
  PaintScope paint(window_);
  HDC dc = paint.dc();
  RECT client;
  GetClientRect(window_, &client);
  UniqueHbrush back(CreateSolidBrush(kBackColor));
  FillRect(dc, &client, back.get());
  SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(editor_, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
  // The editor's first visible line stands where the edit control draws it.
  int editorTop = static_cast<int>(SendMessageW(editor_, EM_GETFIRSTVISIBLELINE, 0, 0));
  LRESULT at =
      SendMessageW(editor_, EM_POSFROMCHAR, SendMessageW(editor_, EM_LINEINDEX, editorTop, 0), 0);
  int top = at == -1 ? 0 : static_cast<short>(HIWORD(at));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kNumberColor);
  for (int line = FirstVisibleLine(), y = top; line < LineCount() && y < client.bottom;
       ++line, y += lineHeight) {
    std::u16string number = Line(line);
    RECT cell{0, y, client.right - kRightMargin, y + lineHeight};
    DrawTextW(dc, Wide(number), static_cast<int>(number.size()), &cell,
              DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_TOP);
  }
}

LRESULT CALLBACK Win32Gutter::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  return Guarded([&] { return HandleMessage(window, message, wp, lp); },
                 [&] { return DefWindowProcW(window, message, wp, lp); });
}

LRESULT Win32Gutter::HandleMessage(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Win32Gutter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (self == nullptr) break;
      self->Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATEANDEAT;
    // Answered like the edit control it stands for, for whoever asks.
    case EM_GETLINECOUNT:
      return self != nullptr ? self->LineCount() : 0;
    case EM_GETFIRSTVISIBLELINE:
      return self != nullptr ? self->FirstVisibleLine() : 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wp, lp);
}

}  // namespace kelvo
