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
  // The system's upper-case mapping, one code unit for one, so that positions
  // found in the mapped text hold in the original.
  virtual std::u16string ToUpper(std::u16string_view text) const = 0;
  // The system's alphabetical order, letter case ignored: <0, 0 or >0. This is
  // the order a sorted list box keeps.
  virtual int CompareNoCase(std::u16string_view a, std::u16string_view b) const = 0;
  // Text in the system's ANSI code page. Decoding never fails; encoding gives
  // nullopt when a character has no form in the code page.
  virtual std::u16string FromAnsi(std::string_view bytes) const = 0;
  virtual std::optional<std::string> ToAnsi(std::u16string_view text) const = 0;
};

}  // namespace kelvo
