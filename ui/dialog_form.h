#pragma once
// What every dialog's form shares: its widgets, its window and its catch point.

#include <functional>

#include "ui/error_report.h"
#include "ui/widget_set.h"
#include "ui/window.h"

namespace kelvo {

class DialogForm {
 public:
  DialogForm(WidgetSet& widgets, Window& window, Messages& messages)
      : widgets_(widgets), window_(window), messages_(messages) {}
  DialogForm(const DialogForm&) = delete;
  DialogForm& operator=(const DialogForm&) = delete;

  Window& window() { return window_; }
  // A dialog is shown only while no command runs.
  bool Busy() const { return false; }
  void Dispatch(const std::function<void()>& handler) { DispatchEvent(messages_, handler); }

 protected:
  WidgetSet& widgets_;
  Window& window_;
  Messages& messages_;
};

}  // namespace kelvo
