#pragma once
// The one catch point of the program: an event handler that lets a failure
// escape ends there, and the user sees the default error report.

#include <functional>
#include <string>
#include <string_view>

#include "ui/window.h"

namespace kelvo {

// The report's text: "." is appended when the last character's code is above that of ".".
std::u16string ErrorReportText(std::u16string_view message);
void ShowErrorReport(Messages& messages, std::u16string_view message);

// Runs one event handler; whatever it lets escape is reported and the program goes on.
void DispatchEvent(Messages& messages, const std::function<void()>& handler);

}  // namespace kelvo
