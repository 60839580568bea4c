#include "tools/add_numbers.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "base/text.h"

namespace kelvo {
namespace {

// Decimal magnitudes are digit strings without leading zeros, "0" for zero,
// so that a digit run of any length adds exactly.
std::u16string_view WithoutLeadingZeros(std::u16string_view digits) {
  std::size_t first = 0;
  while (first + 1 < digits.size() && digits[first] == u'0') ++first;
  return digits.substr(first);
}

int CompareMagnitudes(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

std::u16string AddMagnitudes(std::u16string_view a, std::u16string_view b) {
  std::u16string sum;
  sum.reserve(std::max(a.size(), b.size()) + 1);
  int carry = 0;
  for (std::size_t i = 0; i < a.size() || i < b.size() || carry != 0; ++i) {
    int digit = carry;
    if (i < a.size()) digit += a[a.size() - 1 - i] - u'0';
    if (i < b.size()) digit += b[b.size() - 1 - i] - u'0';
    sum.push_back(static_cast<char16_t>(u'0' + digit % 10));
    carry = digit / 10;
  }
  std::reverse(sum.begin(), sum.end());
  return std::u16string(WithoutLeadingZeros(sum));
}

// a - b for a >= b.
std::u16string SubtractMagnitudes(std::u16string_view a, std::u16string_view b) {
  std::u16string difference;
  difference.reserve(a.size());
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    int digit = (a[a.size() - 1 - i] - u'0') - borrow;
    if (i < b.size()) digit -= b[b.size() - 1 - i] - u'0';
    borrow = digit < 0 ? 1 : 0;
    difference.push_back(static_cast<char16_t>(u'0' + digit + 10 * borrow));
  }
  std::reverse(difference.begin(), difference.end());
  return std::u16string(WithoutLeadingZeros(difference));
}

// The digit run plus addend, written width long where it fits.
std::u16string AddDecimal(std::u16string_view run, std::int32_t addend) {
  const std::u16string_view magnitude = WithoutLeadingZeros(run);
  const std::int64_t wide = addend;
  const std::u16string addendMagnitude = ToU16(wide < 0 ? -wide : wide);
  bool negative = false;
  std::u16string digits;
  if (addend >= 0) {
    digits = AddMagnitudes(magnitude, addendMagnitude);
  } else if (CompareMagnitudes(magnitude, addendMagnitude) >= 0) {
    digits = SubtractMagnitudes(magnitude, addendMagnitude);
  } else {
    negative = true;
    digits = SubtractMagnitudes(addendMagnitude, magnitude);
  }
  const std::size_t length = digits.size() + (negative ? 1 : 0);
  std::u16string text;
  text.reserve(std::max(run.size(), length));
  if (negative) text.push_back(u'-');
  if (run.size() > length) text.append(run.size() - length, u'0');
  text += digits;
  return text;
}

std::optional<std::u16string> AddToDecimal(std::u16string_view line, const AddSettings& settings) {
  if (settings.addend == 0) return std::nullopt;
  NumberSplit split = SplitNumber(line, settings.fromTail);
  if (split.number.empty()) return std::nullopt;
  std::u16string result = std::move(split.prefix);
  result += AddDecimal(split.number, settings.addend);
  result += split.suffix;
  return result;
}

std::optional<std::u16string> AddToTail(std::u16string_view line, const AddSettings& settings) {
  // Eight hex digits are the most a 32-bit value holds; HexTextToInt refuses
  // more, and an empty number would be no number at all.
  const std::size_t digits = static_cast<std::size_t>(std::clamp(settings.digits, 1, 8));
  const std::size_t split = line.size() > digits ? line.size() - digits : 0;
  const std::u16string_view number = line.substr(split);
  // The addition wraps modulo 2^32, done unsigned so that it is defined.
  const auto addend = static_cast<std::uint32_t>(settings.addend);
  std::u16string result(line.substr(0, split));
  if (settings.radix == Radix::Hexadecimal) {
    if (!IsHexText(number)) return std::nullopt;
    const auto sum = static_cast<std::uint32_t>(HexTextToInt(number)) + addend;
    result += IntToHexText(static_cast<std::int32_t>(sum), static_cast<std::int32_t>(digits));
  } else {
    if (!IsOctalText(number)) return std::nullopt;
    const auto sum = static_cast<std::uint32_t>(OctalTextToInt(number)) + addend;
    result += IntToOctalText(static_cast<std::int32_t>(sum), static_cast<std::int32_t>(digits));
  }
  return result;
}

}  // namespace

std::int32_t ReadAddend(std::u16string_view text) {
  return StrToIntDef(text, 0);
}

std::optional<std::u16string> AddToLine(std::u16string_view line, const AddSettings& settings) {
  if (IsBlank(line)) return std::nullopt;
  if (settings.radix == Radix::Decimal) return AddToDecimal(line, settings);
  return AddToTail(line, settings);
}

}  // namespace kelvo
