#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#include "base/text.h"
#include "tools/add_numbers.h"

namespace kelvo {
namespace {

std::string Describe(std::u16string_view line, const AddSettings& s) {
  std::string text = "'";
  text += ToUtf8(line);
  text += "' radix=" + std::to_string(static_cast<int>(s.radix));
  text += " tail=" + std::to_string(s.fromTail);
  text += " digits=" + std::to_string(s.digits);
  text += " addend=" + std::to_string(s.addend);
  return text;
}

AddSettings Decimal(bool fromTail, std::int32_t addend) {
  AddSettings s;
  s.fromTail = fromTail;
  s.addend = addend;
  return s;
}

AddSettings Tail(Radix radix, int digits, std::int32_t addend) {
  AddSettings s;
  s.radix = radix;
  s.digits = digits;
  s.addend = addend;
  return s;
}

struct Case {
  std::u16string line;
  AddSettings settings;
  std::optional<std::u16string> expected;
};

void Check(const Case& c) {
  EXPECT_EQ(AddToLine(c.line, c.settings), c.expected) << Describe(c.line, c.settings);
}

TEST(AddNumbersTest, DecimalAddsExactlyToTheFirstOrLastDigitRun) {
  const std::u16string kThirty = u"999999999999999999999999999999";
  const Case cases[] = {
      {u"No.009", Decimal(true, 1), u"No.010"},
      {u"A-99", Decimal(true, 1), u"A-100"},
      {u"room 12b", Decimal(true, 1), u"room 13b"},
      {u"3.14", Decimal(true, 1), u"3.15"},
      {u"3.14", Decimal(false, 1), u"4.14"},
      {u"a1b2c3", Decimal(false, 5), u"a6b2c3"},
      {u"a1b2c3", Decimal(true, 5), u"a1b2c8"},
      // The sign is text before the number, not part of it.
      {u"-5", Decimal(false, 1), u"-6"},
      {u"-5", Decimal(false, -1), u"-4"},
      // A changed line comes back trimmed.
      {u"  A-01  ", Decimal(true, 1), u"A-02"},
      {u"\tA-01\r\n", Decimal(false, 1), u"A-02"},
      // No 32-bit limit and no wrap, whatever the length of the run.
      {u"No.12345678901", Decimal(true, 1), u"No.12345678902"},
      {u"2147483647", Decimal(true, 1), u"2147483648"},
      {u"0", Decimal(true, INT32_MAX), u"2147483647"},
      {u"1", Decimal(true, INT32_MAX), u"2147483648"},
      {u"0", Decimal(true, INT32_MIN), u"-2147483648"},
      {u"2147483648", Decimal(true, INT32_MIN), u"0000000000"},
      {u"x" + kThirty + u"y", Decimal(true, 1), u"x1" + std::u16string(30, u'0') + u"y"},
      {kThirty, Decimal(true, -1), u"999999999999999999999999999998"},
      {u"1" + std::u16string(29, u'0'), Decimal(true, -1), u"0" + std::u16string(29, u'9')},
      // Zero-padded to the run's width; a negative sum puts its sign before the zeros.
      {u"005", Decimal(true, 1), u"006"},
      {u"005", Decimal(true, -5), u"000"},
      {u"005", Decimal(true, -10), u"-05"},
      {u"5", Decimal(true, -10), u"-5"},
      {u"00", Decimal(true, -1), u"-1"},
      {u"0000", Decimal(true, -123), u"-123"},
      {u"00000", Decimal(true, -123), u"-0123"},
      {u"10", Decimal(true, -1), u"09"},
      {u"100", Decimal(true, -1), u"099"},
      {u"1000", Decimal(true, -1), u"0999"},
      {u"12", Decimal(true, -12), u"00"},
      {u"007", Decimal(true, 10000), u"10007"},
      {u"P-9X", Decimal(true, 1), u"P-10X"},
      // Unchanged: blank lines, no ASCII digit, an addend of 0.
      {u"", Decimal(true, 1), std::nullopt},
      {u" \t\r\n", Decimal(true, 1), std::nullopt},
      {u"  no digits  ", Decimal(true, 1), std::nullopt},
      {u"  no digits  ", Decimal(false, 1), std::nullopt},
      {u"１２", Decimal(true, 1), std::nullopt},
      {u"\u3000", Decimal(true, 1), std::nullopt},
      {u"  A-01  ", Decimal(true, 0), std::nullopt},
  };
  for (const auto& c : cases) Check(c);
}

TEST(AddNumbersTest, HexadecimalAndOctalAddToTheTrailingCharactersAndWrap) {
  const Case cases[] = {
      {u"ID-0f", Tail(Radix::Hexadecimal, 2, 1), u"ID-10"},
      {u"ff", Tail(Radix::Hexadecimal, 2, 1), u"100"},
      {u"Cafe", Tail(Radix::Hexadecimal, 2, 1), u"CaFF"},
      {u"Cafe", Tail(Radix::Hexadecimal, 4, 1), u"CAFF"},
      {u"00", Tail(Radix::Hexadecimal, 2, -1), u"FFFFFFFF"},
      {u"FFFFFFFF", Tail(Radix::Hexadecimal, 8, 1), u"00000000"},
      {u"7FFFFFFF", Tail(Radix::Hexadecimal, 8, 1), u"80000000"},
      {u"x0f", Tail(Radix::Hexadecimal, 1, 1), u"x010"},
      // A line shorter than the digits is all number; the result is digits wide.
      {u"0f", Tail(Radix::Hexadecimal, 4, 1), u"0010"},
      {u"a", Tail(Radix::Hexadecimal, 2, 1), u"0B"},
      // Rewritten even when the sum is the number itself.
      {u"id-0f", Tail(Radix::Hexadecimal, 2, 0), u"id-0F"},
      // The line is not trimmed: a trailing blank is part of the number text.
      {u"ab ", Tail(Radix::Hexadecimal, 2, 1), std::nullopt},
      {u"  0f", Tail(Radix::Hexadecimal, 2, 1), u"  10"},
      {u"0x1g", Tail(Radix::Hexadecimal, 2, 1), std::nullopt},
      {u"ＦＦ", Tail(Radix::Hexadecimal, 2, 1), std::nullopt},
      {u"", Tail(Radix::Hexadecimal, 2, 1), std::nullopt},
      {u"  ", Tail(Radix::Hexadecimal, 2, 1), std::nullopt},
      // Digits outside 1..8 count as the nearer bound.
      {u"x0f", Tail(Radix::Hexadecimal, 0, 1), u"x010"},
      {u"x0f", Tail(Radix::Hexadecimal, -3, 1), u"x010"},
      {u"1FFFFFFFF", Tail(Radix::Hexadecimal, 9, 1), u"100000000"},

      {u"P07", Tail(Radix::Octal, 2, 1), u"P10"},
      {u"P08", Tail(Radix::Octal, 2, 1), std::nullopt},
      {u"777", Tail(Radix::Octal, 3, 1), u"1000"},
      {u"10", Tail(Radix::Octal, 2, -1), u"07"},
      {u"00", Tail(Radix::Octal, 2, -1), u"-1"},
      {u"00", Tail(Radix::Octal, 4, -8), u"-010"},
      {u"7", Tail(Radix::Octal, 2, 1), u"10"},
      {u"17777777", Tail(Radix::Octal, 8, 1), u"20000000"},
      {u"A-7", Tail(Radix::Octal, 8, 1), std::nullopt},
      {u"", Tail(Radix::Octal, 2, 1), std::nullopt},
  };
  for (const auto& c : cases) Check(c);
}

TEST(AddNumbersTest, AddendIsReadLenientlyAsDecimal) {
  struct Read {
    std::u16string text;
    std::int32_t expected;
  } reads[] = {
      {u"1", 1},   {u"-10", -10},      {u" +7 ", 7}, {u"", 0},
      {u"abc", 0}, {u"$10", 0},        {u"１", 0},   {u"2147483647", INT32_MAX},
      {u"1e3", 0}, {u"2147483648", 0},
  };
  for (const auto& r : reads) EXPECT_EQ(ReadAddend(r.text), r.expected) << ToUtf8(r.text);
}

}  // namespace
}  // namespace kelvo
