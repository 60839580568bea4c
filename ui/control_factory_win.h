#pragma once
// The real control for a row of a window table: its window, and the widget
// over it.

#include <windows.h>

#include <map>
#include <memory>

#include "base/locale.h"
#include "ui/form_table.h"
#include "ui/widgets.h"

namespace kelvo {

// What wrapping a control may need beyond its own window: the window that
// owns the timers, and the rows made before it (buddies, groups).
struct Win32WidgetContext {
  HWND owner;
  const Locale& locale;
  const std::map<int, HWND>& windows;
  const std::map<int, std::unique_ptr<Widget>>& widgets;
};

// Creates the control's window at its scaled rect; raises when it cannot.
HWND CreateControlWindow(const WidgetRow& row, HWND parent, HINSTANCE instance, const RECT& rect);
// The widget over a created control (a timer has no window: control is null).
std::unique_ptr<Widget> MakeWin32Widget(const WidgetRow& row, HWND control,
                                        Win32WidgetContext& context);

}  // namespace kelvo
