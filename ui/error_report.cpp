#include "ui/error_report.h"

#include <exception>
#include <new>

#include "base/error.h"
#include "base/text.h"

namespace kelvo {

std::u16string ErrorReportText(std::u16string_view message) {
  std::u16string text(message);
  if (!text.empty() && text.back() > u'.') text += u'.';
  return text;
}

void ShowErrorReport(Messages& messages, std::u16string_view message) {
  messages.ShowMessage(ErrorReportText(message), kApplicationTitle, MessageStyle::Error);
}

void DispatchEvent(Messages& messages, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Error& e) {
    ShowErrorReport(messages, e.text());
  } catch (const std::bad_alloc&) {
    ShowErrorReport(messages, u"メモリが不足しています");
  } catch (const std::exception& e) {
    ShowErrorReport(messages, FromUtf8(e.what()));
  }
}

}  // namespace kelvo
