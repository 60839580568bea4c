// The program's windows moved to a monitor of another scale: WM_DPICHANGED
// gives new fonts, the suggested rect and every control its place again.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "cad/connection.h"
#include "support/laid_out_win.h"
#include "support/program_on_fakes_win.h"

namespace kelvo {
namespace {

using Program = test::ProgramOnFakes<>;

std::string Ascii(const char16_t* text) {
  std::string ascii;
  for (; *text != u'\0'; ++text) ascii += static_cast<char>(*text);
  return ascii;
}

struct HostedWindow {
  FormWindow* window;
  const WindowTable* table;
};

std::vector<HostedWindow> AllWindows(ProgramWindows& windows) {
  return {{&windows.mainWindow(), &kMainWindowTable},
          {&windows.targetWindow(), &kTargetCadWindowTable},
          {&windows.replaceWindow(), &kReplaceWindowTable},
          {&windows.addWindow(), &kAddWindowTable},
          {&windows.serialWindow(), &kSerialWindowTable}};
}

// The window's rect, where it stands, for a client area of this size.
RECT OuterRectFor(HWND window, int clientWidth, int clientHeight) {
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  RECT now;
  GetWindowRect(window, &now);
  OffsetRect(&r, now.left - r.left, now.top - r.top);
  return r;
}

// What the system sends when the window comes onto a monitor of the new dpi.
void SendDpiChanged(HWND window, int dpi, RECT suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

int FontHeight(HWND control) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW logFont{};
  if (font == nullptr || GetObjectW(font, sizeof logFont, &logFont) == 0) return 0;
  return logFont.lfHeight;
}

void ExpectFontsAt(const FormWindow& window, const WindowTable& table, int dpi) {
  for (const WidgetRow& row : table.rows) {
    // Panels and up-downs show no text, and the gutter draws in its editor's font.
    if (row.kind == WidgetKind::Timer || row.kind == WidgetKind::Panel ||
        row.kind == WidgetKind::UpDown || row.kind == WidgetKind::Gutter) {
      continue;
    }
    SCOPED_TRACE("font of row " + std::to_string(row.id));
    EXPECT_EQ(FontHeight(window.ControlWindow(row.id)), test::FontHeightAt(table, row, dpi));
  }
}

void ExpectStatusPartsAt(const FormWindow& window, int dpi) {
  int parts[2] = {};
  ASSERT_EQ(SendMessageW(window.ControlWindow(kIdStatusBar1), SB_GETPARTS, 2,
                         reinterpret_cast<LPARAM>(parts)),
            2);
  EXPECT_EQ(parts[0], ScaleToDpi(100, dpi));
  EXPECT_EQ(parts[1], ScaleToDpi(200, dpi));
}

void ExpectLaidOutAt(const FormWindow& window, const WindowTable& table, int dpi) {
  EXPECT_EQ(window.dpi(), dpi);
  test::ExpectLaidOut(window.hwnd(), table, dpi, [&](int id) { return window.ControlWindow(id); });
  ExpectFontsAt(window, table, dpi);
}

TEST(FormWindowDpiTest, EveryWindowTakesTheSuggestedRectAndIsLaidOutAgain) {
  Program program;
  for (const HostedWindow& hosted : AllWindows(program.windows)) {
    const WindowTable& table = *hosted.table;
    FormWindow& window = *hosted.window;
    SCOPED_TRACE(Ascii(table.className));
    int started = window.dpi();
    // There and back: to a larger scale, then to the one it was made at.
    for (int dpi : {started == 144 ? 96 : 144, started}) {
      SCOPED_TRACE("at " + std::to_string(dpi));
      int width = ScaleToDpi(table.clientWidth, dpi);
      int height = ScaleToDpi(table.clientHeight, dpi);
      RECT suggested = OuterRectFor(window.hwnd(), width, height);
      SendDpiChanged(window.hwnd(), dpi, suggested);
      RECT taken;
      GetWindowRect(window.hwnd(), &taken);
      EXPECT_TRUE(EqualRect(&taken, &suggested));
      SIZE client = test::ClientSize(window.hwnd());
      EXPECT_EQ(client.cx, width);
      EXPECT_EQ(client.cy, height);
      ExpectLaidOutAt(window, table, dpi);
      if (&table == &kMainWindowTable) ExpectStatusPartsAt(window, dpi);
    }
  }
}

// The user's own size is scaled with the window: the anchored controls keep
// their distances to the edges at the new scale.
TEST(FormWindowDpiTest, ResizedMainWindowKeepsItsAnchorsAtTheNewScale) {
  Program program;
  FormWindow& window = program.windows.mainWindow();
  int started = window.dpi();
  RECT resized = OuterRectFor(window.hwnd(), ScaleToDpi(400, started), ScaleToDpi(300, started));
  SetWindowPos(window.hwnd(), nullptr, resized.left, resized.top, resized.right - resized.left,
               resized.bottom - resized.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectLaidOutAt(window, kMainWindowTable, started);

  int dpi = started == 144 ? 96 : 144;
  SendDpiChanged(window.hwnd(), dpi,
                 OuterRectFor(window.hwnd(), ScaleToDpi(400, dpi), ScaleToDpi(300, dpi)));
  SIZE client = test::ClientSize(window.hwnd());
  EXPECT_EQ(client.cx, ScaleToDpi(400, dpi));
  EXPECT_EQ(client.cy, ScaleToDpi(300, dpi));
  ExpectLaidOutAt(window, kMainWindowTable, dpi);
  ExpectStatusPartsAt(window, dpi);
}

}  // namespace
}  // namespace kelvo
