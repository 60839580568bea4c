// The integer readers against a reference, and the writers against the readers.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "base/error.h"
#include "base/text.h"
#include "fuzz/fuzz_text.h"
#include "tools/number_text.h"

namespace {

template <typename Fn>
std::optional<std::u16string> ErrorOf(Fn fn) {
  try {
    fn();
  } catch (const kelvo::ConversionError& e) {
    return e.offending();
  }
  return std::nullopt;
}

// Decimal reference: trim, optional sign, ASCII digits, in range.
std::optional<std::int32_t> ReferenceDecimal(std::u16string_view text) {
  std::u16string_view t = kelvo::Trim(text);
  std::string ascii;
  for (char16_t c : t) {
    if (c > 0x7F) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  bool negative = !ascii.empty() && ascii[0] == '-';
  if (!ascii.empty() && (ascii[0] == '+' || ascii[0] == '-')) ascii.erase(0, 1);
  if (ascii.empty()) return std::nullopt;
  for (char c : ascii) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void CheckReaders(const std::u16string& text) {
  std::optional<std::int32_t> expected = ReferenceDecimal(text);
  std::optional<std::int32_t> strict;
  std::optional<std::u16string> error = ErrorOf([&] { strict = kelvo::StrToInt(text); });
  FUZZ_CHECK(strict == expected);
  FUZZ_CHECK(error.has_value() == !expected.has_value());
  if (error) FUZZ_CHECK(*error == text);
  FUZZ_CHECK(kelvo::StrToIntDef(text, 7) == expected.value_or(7));

  bool allDigits = true;
  for (char16_t c : text) allDigits = allDigits && c >= u'0' && c <= u'9';
  error = ErrorOf([&] { kelvo::OctalTextToInt(text); });
  FUZZ_CHECK(error.has_value() == !allDigits);
  if (error) FUZZ_CHECK(error->size() == 1 && text.find(error->front()) != std::u16string::npos);

  std::optional<std::int32_t> hex;
  error = ErrorOf([&] { hex = kelvo::HexTextToInt(text); });
  if (error) {
    FUZZ_CHECK(*error == u"$" + text);
  } else {
    FUZZ_CHECK(!text.empty() && kelvo::IsHexText(text));
    FUZZ_CHECK(kelvo::HexTextToInt(kelvo::IntToHexText(*hex, 0)) == *hex);
  }
  if (!text.empty() && text.size() <= 8 && kelvo::IsHexText(text)) FUZZ_CHECK(hex.has_value());
}

void CheckWriters(std::int32_t value, std::int32_t width) {
  FUZZ_CHECK(kelvo::StrToInt(kelvo::ToU16(value)) == value);
  std::u16string hex = kelvo::IntToHexText(value, width);
  FUZZ_CHECK(kelvo::HexTextToInt(hex) == value);
  FUZZ_CHECK(hex.size() >= static_cast<std::size_t>(width > 0 ? width : 1));
  std::u16string octal = kelvo::IntToOctalText(value, width);
  FUZZ_CHECK(octal.size() >= static_cast<std::size_t>(width > 0 ? width : 0));
  if (value >= 0) {
    FUZZ_CHECK(kelvo::OctalTextToInt(octal) == value);
  } else {
    FUZZ_CHECK(octal[0] == u'-');
    std::uint32_t magnitude = 0u - static_cast<std::uint32_t>(value);
    FUZZ_CHECK(static_cast<std::uint32_t>(kelvo::OctalTextToInt(octal.substr(1))) == magnitude);
  }
  std::u16string padded = kelvo::PadLeftZeros(kelvo::ToU16(value), width);
  FUZZ_CHECK(padded.size() ==
             std::max<std::size_t>(kelvo::ToU16(value).size(),
                                   width > 0 ? static_cast<std::size_t>(width) : 0));

  // Repeated multiplication, wrapping, for exponents small enough to loop.
  std::int32_t exponent = width % 64;
  std::uint32_t naive = 1;
  for (std::int32_t i = 0; i < exponent; ++i) naive *= static_cast<std::uint32_t>(value);
  FUZZ_CHECK(kelvo::PowInt(value, exponent) == static_cast<std::int32_t>(naive));
  kelvo::PowInt(value, width);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckReaders(kelvo::fuzz::FuzzText(data, size));
  if (size >= 5) {
    std::int32_t value;
    std::memcpy(&value, data + 1, sizeof value);
    // Widths stay small (a huge one is a huge allocation), but reach the most negative.
    std::int8_t raw = static_cast<std::int8_t>(data[size - 1]);
    std::int32_t width = raw == INT8_MIN ? INT32_MIN : raw % 40;
    CheckWriters(value, width);
  }
  return 0;
}
