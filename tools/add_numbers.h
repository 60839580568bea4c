#pragma once
// Adds a number to the number inside a line.
//
// Decimal: the number is a digit run of the trimmed line, its first or last,
// of any length; the sum is exact, never wrapped, and written as wide as the
// run was, zero-padded ("-" and zeros for a negative sum: "005" - 10 is "-05").
// Hexadecimal and octal: the number is the last few characters of the line as
// it stands; the sum wraps in 32 bits and is written as IntToHexText or
// IntToOctalText write it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/number_text.h"

namespace kelvo {

struct AddSettings {
  Radix radix = Radix::Decimal;
  bool fromTail = true;  // decimal: the last digit run, else the first
  int digits = 2;        // hexadecimal/octal: how many trailing characters form the number (1..8)
  std::int32_t addend = 1;
};

// The addend field, read leniently as a decimal: anything unreadable is 0.
std::int32_t ReadAddend(std::u16string_view text);

// The line with the addend added, or nullopt when the line stays as it is: a
// blank line, a line without a number, and in decimal an addend of 0 (which
// would otherwise trim the line). A hexadecimal or octal number is rewritten
// even when the sum equals it, in upper case and at least digits wide. digits
// outside 1..8 counts as the nearer bound.
std::optional<std::u16string> AddToLine(std::u16string_view line, const AddSettings& settings);

}  // namespace kelvo
