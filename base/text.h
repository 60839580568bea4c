#pragma once
// UTF-16 text helpers shared by every subsystem. The program counts and
// compares UTF-16 code units, so its strings are std::u16string everywhere.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// Lone surrogates become U+FFFD; nothing else is altered.
std::string ToUtf8(std::u16string_view text);
// Invalid bytes become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// Removes every code unit up to U+0020 from both ends; U+3000 stays.
std::u16string_view Trim(std::u16string_view text);
// A line that is empty once trimmed.
inline bool IsBlank(std::u16string_view line) {
  return Trim(line).empty();
}

std::u16string ToU16(std::int64_t value);

// ASCII letters compared without regard to case, every other code unit
// exactly: how the CAD compares member and table names.
bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

}  // namespace kelvo
