#pragma once
// simcad.exe's window: shows the drawing's live entities, counts the Escape
// presses it receives, and lets a person pick entities with the mouse while
// SelectOnScreen waits (when no test queued the picks).

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/handles_win.h"
#include "sim/drawing.h"
#include "sim/simcad_options_win.h"
#include "sim/simcad_view.h"

namespace kelvo::sim {

inline constexpr wchar_t kSimCadWindowClass[] = L"KelvoSimCad";
// Shown in the caption and the status strip while a person picks.
inline constexpr wchar_t kPickPrompt[] = L"選択してください (Enter: 確定, Esc: 取消)";

class SimCadWindow {
 public:
  // Creates the window, hidden, and makes it the drawing's: the application's
  // HWND and the picker of SelectOnScreen. Raises when it cannot be created.
  SimCadWindow(HINSTANCE instance, std::shared_ptr<Drawing> drawing, std::wstring caption,
               const WindowPlacement& placement);
  SimCadWindow(const SimCadWindow&) = delete;
  SimCadWindow& operator=(const SimCadWindow&) = delete;
  // Lets go of the drawing and destroys the window if it is still there.
  ~SimCadWindow();

  void Show(int showCommand);
  // Null once the window is destroyed; closing it ends the message loop.
  HWND hwnd() const { return hwnd_.get(); }

  // The right half of the primary monitor's work area.
  static WindowPlacement DefaultPlacement();

 private:
  struct PickState {
    SelectionFilter filter;
    std::vector<std::int64_t> ids;  // in pick order
    bool done = false;
    bool cancelled = false;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  PickOutcome Pick(const SelectionFilter& filter);
  void EndPick(bool cancelled);
  void TogglePick(int x, int y);
  bool IsPicked(std::int64_t id) const;

  void Paint();
  void PaintTo(HDC dc, int width, int height);
  void PaintStatus(HDC dc, int width);
  void SetCaption(const std::wstring& text);
  HFONT TextFont(int pixels);

  std::shared_ptr<Drawing> drawing_;
  std::wstring caption_;
  // Taken at WM_NCCREATE, let go at WM_NCDESTROY.
  UniqueHwnd hwnd_;
  // The drawing's ChangeCount when last painted; the timer repaints on a new one.
  std::uint64_t paintedChange_ = 0;
  ULONGLONG nextRepaint_ = 0;    // the timer's first chance to repaint again
  std::vector<ViewItem> items_;  // as last painted: what a click lands on
  UniqueHfont textFont_;
  int textFontPixels_ = 0;
  UniqueHfont statusFont_;
  std::optional<PickState> pick_;
  bool closeAfterPick_ = false;
};

}  // namespace kelvo::sim
