#pragma once
// The locale seam without the platform: the width pairs of Japanese text, and
// '.' as the decimal separator. Serves Linux and the tests.

#include "base/locale.h"

namespace kelvo {

// To full width: U+0020 becomes U+3000, U+0021..U+007E become U+FF01..U+FF5E,
// ¢ £ ¬ ¯ ¦ ¥ ₩ and ⦅ ⦆ their full-width forms, half-width katakana and their
// punctuation become katakana, a kana with a following sound mark ﾞ or ﾟ one
// voiced or semi-voiced kana, and a lone sound mark the spacing ゛ or ゜.
// To half width: the reverse (a voiced kana becomes two characters), and the
// curly quotation marks become the ASCII ones. Everything else, lone
// surrogates and NULs included, passes unchanged.
// Upper case covers the ASCII, Latin-1, Greek, Cyrillic and full-width Latin
// letters; the order ignoring case compares the upper-cased code units. The
// ANSI code page stands in as ISO 8859-1, so that text beyond U+00FF has no
// form in it, as Japanese has none in a Western code page.
class PortableLocale : public Locale {
 public:
  std::optional<std::u16string> MapWidth(std::u16string_view text, Width width) const override;
  char16_t DecimalSeparator() const override { return u'.'; }
  std::u16string ToUpper(std::u16string_view text) const override;
  int CompareNoCase(std::u16string_view a, std::u16string_view b) const override;
  std::u16string FromAnsi(std::string_view bytes) const override;
  std::optional<std::string> ToAnsi(std::u16string_view text) const override;
};

}  // namespace kelvo
