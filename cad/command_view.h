#pragma once
// What update and align need of the main window while they run: the editor,
// read live, the pitch fields, the progress text and the abort check.

#include <functional>

#include "base/locale.h"
#include "ui/widgets.h"
#include "ui/window.h"

namespace kelvo {

struct CommandView {
  const Memo& editor;
  const Edit& dX;
  const Edit& dY;
  const Locale& locale;
  Messages& messages;
  // Shows "item / of" in the progress label.
  std::function<void(int item, int of)> progress;
  // After each entry or line: processes pending messages; false once the user
  // has asked the command to stop.
  std::function<bool()> keepGoing;
};

}  // namespace kelvo
