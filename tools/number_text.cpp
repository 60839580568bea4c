#include "tools/number_text.h"

#include <cstddef>
#include <optional>

#include "base/error.h"
#include "base/text.h"

namespace kelvo {
namespace {

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int HexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// Two's complement reinterpretation, defined for every value since C++20.
std::int32_t Wrap(std::uint32_t bits) {
  return static_cast<std::int32_t>(bits);
}

// Digits of value in radix 8 or 16, most significant first; "" for 0.
std::u16string Digits(std::uint32_t value, std::uint32_t radix) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  char16_t buffer[32];
  char16_t* const end = buffer + 32;
  char16_t* first = end;
  for (; value != 0; value /= radix) *--first = kDigits[value % radix];
  return std::u16string(first, end);
}

std::optional<std::int32_t> ParseDecimal(std::u16string_view text) {
  std::u16string_view t = Trim(text);
  bool negative = false;
  if (!t.empty() && (t.front() == u'+' || t.front() == u'-')) {
    negative = t.front() == u'-';
    t.remove_prefix(1);
  }
  if (t.empty()) return std::nullopt;
  // The magnitude of INT32_MIN is one more than INT32_MAX.
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  for (char16_t c : t) {
    if (!IsDigit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - u'0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::int32_t PowInt(std::int32_t base, std::int32_t exponent) {
  // Squaring gives the same residue modulo 2^32 as repeated multiplication,
  // without looping two billion times for a huge exponent.
  std::uint32_t result = 1;
  std::uint32_t factor = static_cast<std::uint32_t>(base);
  for (std::uint32_t e = exponent > 0 ? static_cast<std::uint32_t>(exponent) : 0; e != 0; e >>= 1) {
    if (e & 1) result *= factor;
    factor *= factor;
  }
  return Wrap(result);
}

std::int32_t OctalTextToInt(std::u16string_view text) {
  // Horner's rule: the same sum of digit * 8^k, modulo 2^32, left to right.
  std::uint32_t value = 0;
  for (char16_t c : text) {
    if (!IsDigit(c)) throw ConversionError(std::u16string(1, c));
    value = value * 8 + static_cast<std::uint32_t>(c - u'0');
  }
  return Wrap(value);
}

std::u16string IntToOctalText(std::int32_t value, std::int32_t width) {
  if (value >= 0) return PadLeftZeros(Digits(static_cast<std::uint32_t>(value), 8), width);
  // Unsigned negation gives the magnitude, INT32_MIN included.
  std::uint32_t magnitude = 0u - static_cast<std::uint32_t>(value);
  std::u16string text(1, u'-');
  text += PadLeftZeros(Digits(magnitude, 8), width > 0 ? width - 1 : 0);
  return text;
}

NumberSplit SplitNumber(std::u16string_view line, bool fromTail) {
  const std::u16string_view t = Trim(line);
  // Bounds of the first (or last) digit run; the run is empty when there is none.
  std::size_t begin = 0;
  std::size_t end = 0;
  if (!fromTail) {
    while (begin < t.size() && !IsDigit(t[begin])) ++begin;
    end = begin;
    while (end < t.size() && IsDigit(t[end])) ++end;
  } else {
    end = t.size();
    while (end > 0 && !IsDigit(t[end - 1])) --end;
    begin = end;
    while (begin > 0 && IsDigit(t[begin - 1])) --begin;
  }
  if (begin == end) {
    // No digit: the whole line lies on the side the scan started from.
    if (fromTail) return {u"", u"", std::u16string(t)};
    return {std::u16string(t), u"", u""};
  }
  return {std::u16string(t.substr(0, begin)), std::u16string(t.substr(begin, end - begin)),
          std::u16string(t.substr(end))};
}

bool IsOctalText(std::u16string_view text) {
  for (char16_t c : text) {
    if (c < u'0' || c > u'7') return false;
  }
  return true;
}

bool IsHexText(std::u16string_view text) {
  for (char16_t c : text) {
    if (HexDigitValue(c) < 0) return false;
  }
  return true;
}

std::u16string PadLeftZeros(std::u16string_view text, std::int32_t width) {
  std::u16string padded;
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    padded.assign(static_cast<std::size_t>(width) - text.size(), u'0');
  }
  padded += text;
  return padded;
}

std::u16string IntToHexText(std::int32_t value, std::int32_t width) {
  std::u16string digits = Digits(static_cast<std::uint32_t>(value), 16);
  if (digits.empty()) digits.push_back(u'0');
  return PadLeftZeros(digits, width);
}

std::int32_t HexTextToInt(std::u16string_view text) {
  std::uint32_t value = 0;
  int significant = 0;
  for (char16_t c : text) {
    int digit = HexDigitValue(c);
    if (digit < 0) throw ConversionError(u"$" + std::u16string(text));
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) throw ConversionError(u"$" + std::u16string(text));
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  if (text.empty()) throw ConversionError(u"$");
  return Wrap(value);
}

std::int32_t StrToInt(std::u16string_view text) {
  if (auto value = ParseDecimal(text)) return *value;
  throw ConversionError(std::u16string(text));
}

std::int32_t StrToIntDef(std::u16string_view text, std::int32_t fallback) {
  return ParseDecimal(text).value_or(fallback);
}

std::u16string_view RadixCaption(Radix radix) {
  switch (radix) {
    case Radix::Hexadecimal:
      return u"16進";
    case Radix::Octal:
      return u" 8進";
    case Radix::Decimal:
      break;
  }
  return u"10進";
}

}  // namespace kelvo
