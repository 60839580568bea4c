#include "tools/serial_numbers.h"

#include <cstddef>

#include "base/error.h"
#include "base/text.h"

namespace kelvo {
namespace {

std::int32_t ReadStep(std::u16string_view step) {
  return StrToIntDef(step, 0);
}

std::int32_t ReadBoundedCount(std::u16string_view count) {
  const std::int32_t n = StrToInt(count);
  if (n > kMaxSerialLines) {
    throw Error(u"作成数は " + ToU16(kMaxSerialLines) + u" 以下にしてください");
  }
  return n;
}

// Reduces modulo 2^32 first: every step of the conversion is then defined.
std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::u16string NumberText(std::int64_t value, Radix radix, std::int32_t width) {
  switch (radix) {
    case Radix::Hexadecimal:
      return IntToHexText(Wrap32(value), width);
    case Radix::Octal:
      return IntToOctalText(Wrap32(value), width);
    case Radix::Decimal:
      break;
  }
  return PadLeftZeros(ToU16(value), width);
}

// Start and step are 32-bit and the index (-1 for the preview of no lines) at
// most 2^31 + 1 either way, so start + index * step stays well inside 64 bits.
std::u16string NumberOfLine(std::int32_t start, std::int32_t step, std::int64_t index,
                            const SerialSettings& s) {
  const auto width = static_cast<std::int32_t>(s.start.size());
  return NumberText(start + index * step, s.radix, width);
}

}  // namespace

std::int32_t ReadSerialStart(std::u16string_view start, Radix radix) {
  switch (radix) {
    case Radix::Hexadecimal:
      return HexTextToInt(start);
    case Radix::Octal:
      return OctalTextToInt(start);
    case Radix::Decimal:
      break;
  }
  return StrToInt(start);
}

std::vector<std::u16string> MakeSerialLines(const SerialSettings& s) {
  std::vector<std::u16string> lines;
  if (s.start.empty()) {
    const std::int32_t n = ReadBoundedCount(s.count);
    if (n > 0) lines.assign(static_cast<std::size_t>(n), AsciiUpper(s.prefix + s.suffix));
    return lines;
  }
  const std::int32_t start = ReadSerialStart(s.start, s.radix);
  const std::int32_t step = ReadStep(s.step);
  const std::int32_t n = ReadBoundedCount(s.count);
  if (n <= 0) return lines;
  lines.reserve(static_cast<std::size_t>(n));
  for (std::int32_t k = 0; k < n; ++k) {
    lines.push_back(AsciiUpper(s.prefix + NumberOfLine(start, step, k, s) + s.suffix));
  }
  return lines;
}

std::u16string SerialPreview(const SerialSettings& s) {
  const std::u16string first = s.prefix + s.start + s.suffix;
  if (s.start.empty()) {
    return u"[ " + AsciiUpper(first) + u" ] x " + ToU16(StrToIntDef(s.count, 0));
  }
  const std::int32_t start = ReadSerialStart(s.start, s.radix);
  const std::int32_t n = StrToInt(s.count);
  const std::int32_t step = ReadStep(s.step);
  const std::u16string last =
      s.prefix + NumberOfLine(start, step, std::int64_t{n} - 1, s) + s.suffix;
  return AsciiUpper(u"[ " + first + u" ] \uFF5E [ " + last + u" ]");
}

std::u16string AsciiUpper(std::u16string_view text) {
  std::u16string upper(text);
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return upper;
}

}  // namespace kelvo
