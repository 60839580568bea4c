#pragma once
// The line-number gutter beside the editor. It keeps its numbers as the
// in-memory memo does and paints only the lines in view, right-aligned, level
// with the editor's lines: an edit control right-aligning a hundred thousand
// numbers takes seconds under Wine at every growth.

#include <windows.h>

#include "ui/memory_widgets.h"

namespace kelvo {

inline constexpr wchar_t kGutterClass[] = L"KelvoGutter";

class Win32Gutter : public MemoryMemo {
 public:
  // editor: the edit control whose lines the numbers stand level with.
  Win32Gutter(HWND window, HWND editor);
  static void RegisterClass(HINSTANCE instance);

  void SetText(std::u16string_view text) override;
  void ReplaceSel(std::u16string_view text, bool canUndo) override;
  void LineScroll(int lines) override;
  void EndUpdate() override;
  void SetVisible(bool visible) override;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM lp);
  static LRESULT HandleMessage(HWND window, UINT message, WPARAM wp, LPARAM lp);
  void Paint();
  void Invalidate();

  HWND window_;
  HWND editor_;
};

}  // namespace kelvo
