#pragma once
// The locale seam on Windows: the system's width mapping and number format.

#include "base/locale.h"

namespace kelvo {

class WindowsLocale : public Locale {
 public:
  // LCMapStringW with LOCALE_SYSTEM_DEFAULT: once for the length, once to map.
  std::optional<std::u16string> MapWidth(std::u16string_view text, Width width) const override;
  // The user's LOCALE_SDECIMAL; '.' when it cannot be read.
  char16_t DecimalSeparator() const override;
  // CharUpperBuffW on a copy.
  std::u16string ToUpper(std::u16string_view text) const override;
  // CompareStringW with NORM_IGNORECASE in the user's locale: the comparison a
  // sorted list box makes.
  int CompareNoCase(std::u16string_view a, std::u16string_view b) const override;
  // MultiByteToWideChar and WideCharToMultiByte with CP_ACP; no best-fit
  // substitutes, so a character without a form gives nullopt.
  std::u16string FromAnsi(std::string_view bytes) const override;
  std::optional<std::string> ToAnsi(std::u16string_view text) const override;
};

}  // namespace kelvo
