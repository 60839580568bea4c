#pragma once
// The top-level windows of the program and the message services the handlers
// need: pumping the queue, message boxes, modal dialogs.

#include <string>
#include <string_view>

#include "base/window_handle.h"

namespace kelvo {

// The application title: the caption of message boxes and the first part of the main window's.
inline constexpr char16_t kApplicationTitle[] = u"KelvoEdit";

enum class ModalResult { None, Ok, Cancel };

enum class MessageStyle {
  Error,        // error icon, OK: the default error report
  Information,  // information icon, OK as the default button
  Plain,        // no icon, OK, centred on the screen
};

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  virtual WindowHandle Handle() const = 0;
  virtual std::u16string Caption() const = 0;
  virtual void SetCaption(std::u16string_view caption) = 0;
  // Moves the window into or out of the topmost band, keeping position and size.
  virtual void SetTopmost(bool topmost, bool activate) = 0;
  // Outer bounds in screen pixels; when minimised, those of the restored window.
  virtual WindowRect RestoredBounds() const = 0;
  virtual void MoveTo(int left, int top) = 0;
  // Shows the window modally and returns how it was closed.
  virtual ModalResult ShowModal() = 0;
  // Closes a window shown modally, with this result.
  virtual void EndModal(ModalResult result) = 0;
  // Destroys the window: for the main window, the program then ends.
  virtual void Destroy() = 0;
};

class Messages {
 public:
  virtual ~Messages() = default;
  // Lets pending window messages be processed once.
  virtual void ProcessMessages() = 0;
  virtual void ShowMessage(std::u16string_view text, std::u16string_view caption,
                           MessageStyle style) = 0;
};

}  // namespace kelvo
