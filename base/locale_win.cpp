#include "base/locale_win.h"

#include <windows.h>

#include <climits>

namespace kelvo {

std::optional<std::u16string> WindowsLocale::MapWidth(std::u16string_view text, Width width) const {
  if (text.empty()) return std::u16string();  // LCMapStringW rejects an empty source
  if (text.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const DWORD flag = width == Width::Full ? LCMAP_FULLWIDTH : LCMAP_HALFWIDTH;
  const auto* source = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int needed = LCMapStringW(LOCALE_SYSTEM_DEFAULT, flag, source, length, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::u16string mapped(static_cast<std::size_t>(needed), u'\0');
  const int written = LCMapStringW(LOCALE_SYSTEM_DEFAULT, flag, source, length,
                                   reinterpret_cast<wchar_t*>(mapped.data()), needed);
  if (written <= 0) return std::nullopt;
  mapped.resize(static_cast<std::size_t>(written));
  return mapped;
}

char16_t WindowsLocale::DecimalSeparator() const {
  wchar_t buffer[8] = {};
  int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8);
  if (length <= 1 || buffer[0] == L'\0') return u'.';
  return static_cast<char16_t>(buffer[0]);
}

}  // namespace kelvo
