#include "base/locale_win.h"

#include <windows.h>

#include <array>
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

namespace {

// The system's upper case of every code unit, asked for once: the mapping
// takes one code unit to one, and asking per line costs Wine about half a
// microsecond a character, which a replace over a long text pays per line.
const std::array<char16_t, 0x10000>& UpperCaseTable() {
  static const std::array<char16_t, 0x10000> table = [] {
    std::array<char16_t, 0x10000> upper{};
    for (std::size_t c = 0; c < upper.size(); ++c) upper[c] = static_cast<char16_t>(c);
    CharUpperBuffW(reinterpret_cast<wchar_t*>(upper.data()), static_cast<DWORD>(upper.size()));
    return upper;
  }();
  return table;
}

}  // namespace

std::u16string WindowsLocale::ToUpper(std::u16string_view text) const {
  const std::array<char16_t, 0x10000>& table = UpperCaseTable();
  std::u16string upper(text);
  for (char16_t& c : upper) c = table[c];
  return upper;
}

int WindowsLocale::CompareNoCase(std::u16string_view a, std::u16string_view b) const {
  int result =
      CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                     reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                     reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()));
  return result == 0 ? a.compare(b) : result - CSTR_EQUAL;
}

std::u16string WindowsLocale::FromAnsi(std::string_view bytes) const {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::u16string text(static_cast<std::size_t>(needed), u'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length,
                                          reinterpret_cast<wchar_t*>(text.data()), needed);
  text.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return text;
}

std::optional<std::string> WindowsLocale::ToAnsi(std::u16string_view text) const {
  if (text.empty()) return std::string();
  if (text.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const auto* source = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  // UTF-8 as the ANSI code page holds every character but takes no
  // substitution flags.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* lossy = utf8 ? nullptr : &usedDefault;
  const int needed = WideCharToMultiByte(CP_ACP, flags, source, length, nullptr, 0, nullptr, lossy);
  if (needed <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(CP_ACP, flags, source, length, bytes.data(), needed, nullptr, lossy);
  if (written <= 0 || usedDefault) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(written));
  return bytes;
}

}  // namespace kelvo
