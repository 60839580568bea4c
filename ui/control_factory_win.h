#pragma once
// The real control of a window table's row: its window, with the class and
// styles of its kind and flags, and the widget over it.

#include <windows.h>

#include <map>
#include <memory>

#include "ui/form_table.h"
#include "ui/widgets.h"

namespace kelvo {

// The window of Panel rows: a frame-less container that passes its children's
// notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_CONTEXTMENU, scrolls)
// on to its parent, so that the window handles them wherever they sit.
inline constexpr wchar_t kContainerClass[] = L"KelvoContainer";

// Creates the row's control as a child of parent at the scaled rect, with the
// row id as its control id, its caption, styles and starting state (checked,
// down, group). Group boxes pass their children's notifications on as Panels
// do. Raises Error when the system refuses the window. A Timer row has no
// window: nullptr.
HWND CreateControlWindow(const WidgetRow& row, HWND parent, HINSTANCE instance, const RECT& scaled);

struct Win32WidgetContext {
  // The window timers post WM_TIMER to, with their row id.
  HWND owner = nullptr;
  // The control windows wrapped so far, by row id: up-downs and gutters find
  // their buddies here, so a buddy's row comes first.
  std::map<int, HWND> windows;
};

// The widget over the window CreateControlWindow made for the row. An up-down
// attaches its buddy and starts at the buddy's number, clamped to its range
// (the minimum if there is none); a timer runs unless the row is disabled.
std::unique_ptr<Widget> MakeWin32Widget(const WidgetRow& row, HWND control,
                                        Win32WidgetContext& context);

}  // namespace kelvo
