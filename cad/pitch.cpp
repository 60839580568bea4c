#include "cad/pitch.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/text.h"

namespace kelvo {

std::u16string FormatPitch(double value, char16_t decimalSeparator) {
  if (!std::isfinite(value)) value = 0;
  char buffer[400];
  int length = std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::u16string text(buffer, buffer + length);
  // A value that rounds to zero is shown as 0.00, not -0.00.
  if (text == u"-0.00") text = u"0.00";
  for (char16_t& c : text) {
    if (c == u'.') c = decimalSeparator;
  }
  return text;
}

std::optional<double> ParseNumber(std::u16string_view text, char16_t decimalSeparator) {
  std::u16string_view trimmed = Trim(text);
  std::string ascii;
  ascii.reserve(trimmed.size());
  for (char16_t c : trimmed) {
    if (c == decimalSeparator) {
      ascii += '.';
    } else if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E') {
      ascii += static_cast<char>(c);
    } else {
      return std::nullopt;
    }
  }
  std::size_t start = !ascii.empty() && ascii[0] == '+' ? 1 : 0;
  if (start < ascii.size() && (ascii[start] == '+' || ascii[start] == '-') && start == 1) {
    return std::nullopt;
  }
  double value = 0;
  const char* first = ascii.data() + start;
  const char* last = ascii.data() + ascii.size();
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

double ParsePitch(std::u16string_view text, char16_t decimalSeparator) {
  return ParseNumber(text, decimalSeparator).value_or(0.0);
}

}  // namespace kelvo
