#pragma once
// Where a window's controls stand, against where its table's layout puts them
// at a dpi: for the windows of this process and of the program under test.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/handles_win.h"
#include "ui/form_table.h"
#include "ui/layout.h"

namespace kelvo::test {

inline PixelRect RectInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

// The row's font, or the window's when the row names none.
inline FontSpec FontOf(const WindowTable& table, const WidgetRow& row) {
  return row.font.height != 0 ? row.font : table.font;
}

// That font's height at dpi, as LOGFONT gives it.
inline int FontHeightAt(const WindowTable& table, const WidgetRow& row, int dpi) {
  return -ScaleToDpi(FontOf(table, row).height, dpi);
}

// The extent of a text in the host's face at the given LOGFONT height: built
// here, so that it holds for a label of another process too.
inline SIZE TextExtent(const std::u16string& text, int fontHeight, bool bold) {
  UniqueHfont font(CreateFontW(fontHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
  WindowDC screen(nullptr);
  SelectedObject selected(screen.get(), font.get());
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), reinterpret_cast<const wchar_t*>(text.c_str()),
                        static_cast<int>(text.size()), &size);
  return size;
}

inline std::u16string TextOf(HWND window) {
  wchar_t buffer[256] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                      &copied);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), copied);
}

// Every control of the table where LayOut puts it for the window's client
// size at dpi. A label sizes itself to its text, so only its corner is the
// layout's; its size must be that of its text in its font at dpi.
inline void ExpectLaidOut(HWND window, const WindowTable& table, int dpi,
                          const std::function<HWND(int)>& control) {
  SIZE client = ClientSize(window);
  std::map<int, PixelRect> rects = LayOut(table, client.cx, client.cy, dpi);
  for (const WidgetRow& row : table.rows) {
    if (row.kind == WidgetKind::Timer) continue;
    SCOPED_TRACE("row " + std::to_string(row.id));
    HWND hwnd = control(row.id);
    ASSERT_NE(hwnd, nullptr);
    PixelRect actual = RectInParent(hwnd);
    const PixelRect& expected = rects.at(row.id);
    if (row.kind != WidgetKind::Label) {
      EXPECT_EQ(actual, expected);
      continue;
    }
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    std::u16string text = TextOf(hwnd);
    if (text.empty()) continue;
    SIZE extent = TextExtent(text, FontHeightAt(table, row, dpi), FontOf(table, row).bold);
    EXPECT_EQ(actual.height, extent.cy) << "for " << text.size() << " characters";
    EXPECT_GE(actual.width, extent.cx);
    EXPECT_LE(actual.width, extent.cx + 2);
  }
}

}  // namespace kelvo::test
