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
};

}  // namespace kelvo
