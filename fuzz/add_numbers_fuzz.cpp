// AddToLine: a decimal result is the split line with the exact sum as its
// number, checked against 64-bit arithmetic; a hexadecimal or octal result
// keeps the line's head and reads back as the 32-bit sum.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "base/text.h"
#include "fuzz/fuzz_text.h"
#include "tools/add_numbers.h"
#include "tools/number_text.h"

namespace {

constexpr std::int64_t kLowDigits = 1'000'000'000'000'000'000;  // 10^18

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// The value of the last 18 digits of a digit run.
std::int64_t LowPart(std::u16string_view digits) {
  std::int64_t value = 0;
  for (std::size_t i = digits.size() > 18 ? digits.size() - 18 : 0; i < digits.size(); ++i) {
    value = value * 10 + (digits[i] - u'0');
  }
  return value;
}

void CheckDecimal(const std::u16string& line, const kelvo::AddSettings& s,
                  const std::optional<std::u16string>& result) {
  const kelvo::NumberSplit split = kelvo::SplitNumber(line, s.fromTail);
  if (s.addend == 0 || split.number.empty()) {
    FUZZ_CHECK(!result);
    return;
  }
  FUZZ_CHECK(result.has_value());
  const std::u16string& r = *result;
  FUZZ_CHECK(r.size() > split.prefix.size() + split.suffix.size());
  FUZZ_CHECK(r.compare(0, split.prefix.size(), split.prefix) == 0);
  FUZZ_CHECK(r.compare(r.size() - split.suffix.size(), split.suffix.size(), split.suffix) == 0);
  std::u16string_view number(r);
  number = number.substr(split.prefix.size(), r.size() - split.prefix.size() - split.suffix.size());

  // As wide as the run, wider only without padding.
  FUZZ_CHECK(number.size() >= split.number.size());
  const bool negative = number.front() == u'-';
  const std::u16string_view digits = number.substr(negative ? 1 : 0);
  FUZZ_CHECK(!digits.empty());
  for (char16_t c : digits) FUZZ_CHECK(IsDigit(c));
  if (number.size() > split.number.size()) FUZZ_CHECK(digits.size() == 1 || digits[0] != u'0');
  if (negative) FUZZ_CHECK(digits.find_first_not_of(u'0') != std::u16string_view::npos);

  // Exact for runs that fit 64 bits; modulo 10^18 for any run.
  const std::int64_t low = LowPart(digits);
  const std::int64_t expectedLow =
      ((LowPart(split.number) + s.addend) % kLowDigits + kLowDigits) % kLowDigits;
  FUZZ_CHECK((negative ? (kLowDigits - low) % kLowDigits : low) == expectedLow);
  if (split.number.size() <= 18 && digits.size() <= 18) {
    FUZZ_CHECK((negative ? -low : low) == LowPart(split.number) + s.addend);
  }
}

void CheckTail(const std::u16string& line, const kelvo::AddSettings& s,
               const std::optional<std::u16string>& result) {
  const auto digits = static_cast<std::size_t>(std::clamp(s.digits, 1, 8));
  const std::size_t split = line.size() > digits ? line.size() - digits : 0;
  const std::u16string_view old = std::u16string_view(line).substr(split);
  const bool hex = s.radix == kelvo::Radix::Hexadecimal;
  if (kelvo::IsBlank(line) || !(hex ? kelvo::IsHexText(old) : kelvo::IsOctalText(old))) {
    FUZZ_CHECK(!result);
    return;
  }
  FUZZ_CHECK(result.has_value());
  FUZZ_CHECK(result->compare(0, split, line, 0, split) == 0);
  const std::u16string_view number = std::u16string_view(*result).substr(split);
  FUZZ_CHECK(number.size() >= digits);
  const std::uint32_t sum =
      static_cast<std::uint32_t>(hex ? kelvo::HexTextToInt(old) : kelvo::OctalTextToInt(old)) +
      static_cast<std::uint32_t>(s.addend);
  if (hex) {
    for (char16_t c : number) FUZZ_CHECK(IsDigit(c) || (c >= u'A' && c <= u'F'));
    FUZZ_CHECK(static_cast<std::uint32_t>(kelvo::HexTextToInt(number)) == sum);
  } else if (number.front() == u'-') {
    FUZZ_CHECK(kelvo::IsOctalText(number.substr(1)));
    FUZZ_CHECK(static_cast<std::uint32_t>(kelvo::OctalTextToInt(number.substr(1))) == 0u - sum);
  } else {
    FUZZ_CHECK(kelvo::IsOctalText(number));
    FUZZ_CHECK(static_cast<std::uint32_t>(kelvo::OctalTextToInt(number)) == sum);
  }
}

}  // namespace

// Bytes 0..5 pick the settings: radix and side, digits (also outside 1..8),
// then a small or a full 32-bit addend. The rest is the line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  kelvo::AddSettings s;
  s.radix = static_cast<kelvo::Radix>(data[0] % 3);
  s.fromTail = (data[0] & 4) != 0;
  s.digits = static_cast<std::int8_t>(data[1]) % 11;
  std::int32_t addend;
  std::memcpy(&addend, data + 2, sizeof addend);
  s.addend = (data[0] & 8) != 0 ? addend : static_cast<std::int8_t>(data[2]);
  const std::u16string line = kelvo::fuzz::FuzzText(data + 6, size - 6);

  const std::optional<std::u16string> result = kelvo::AddToLine(line, s);
  if (kelvo::IsBlank(line)) {
    FUZZ_CHECK(!result);
  } else if (s.radix == kelvo::Radix::Decimal) {
    CheckDecimal(line, s, result);
  } else {
    CheckTail(line, s, result);
  }
  return 0;
}
