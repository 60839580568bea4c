#pragma once
// The locale seam: what the program asks of the platform's national-language
// functions. Windows answers with the system's functions, tests and Linux with
// portable equivalents.

#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

class Locale {
 public:
  enum class Width { Full, Half };

  virtual ~Locale() = default;
  // Whole-string width mapping; nullopt when the platform mapping fails.
  virtual std::optional<std::u16string> MapWidth(std::u16string_view text, Width width) const = 0;
  // The user's decimal separator for numbers shown and read in the fields.
  virtual char16_t DecimalSeparator() const = 0;
};

}  // namespace kelvo
