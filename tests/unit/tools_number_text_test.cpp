#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#include "base/error.h"
#include "base/text.h"
#include "tools/number_text.h"

namespace kelvo {
namespace {

// The offending text of the conversion error fn raises; nullopt if it raises none.
template <typename Fn>
std::optional<std::u16string> ErrorOf(Fn fn) {
  try {
    fn();
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.text(), u"'" + e.offending() + u"' は整数ではありません");
    return e.offending();
  }
  return std::nullopt;
}

TEST(NumberTextTest, PowIntMultipliesAndWraps) {
  struct Case {
    std::int32_t base, exponent, expected;
  } cases[] = {
      {8, 0, 1},           {8, -1, 1},          {8, 3, 512},       {0, 0, 1},
      {-2, 3, -8},         {2, 31, INT32_MIN},  {2, 32, 0},        {10, 10, 1410065408},
      {3, 21, 1870418611}, {-1, INT32_MAX, -1}, {7, INT32_MIN, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PowInt(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
  }
}

TEST(NumberTextTest, OctalTextToIntReadsDecimalDigitsInBaseEight) {
  struct Case {
    std::u16string text;
    std::int32_t expected;
  } cases[] = {
      {u"17", 15},
      {u"", 0},
      {u"9", 9},
      {u"777", 511},
      {u"0017", 15},
      {u"17777777777", INT32_MAX},
      {u"20000000000", INT32_MIN},  // wraps like the sum it is
      {u"37777777777", -1},
      {u"100000000000", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(OctalTextToInt(c.text), c.expected) << ToUtf8(c.text);

  struct Bad {
    std::u16string text, offending;
  } bad[] = {
      {u"1a", u"a"},  {u"-1", u"-"},
      {u" 1", u" "},  {u"1８", u"８"},
      {u"x9y", u"x"}, {std::u16string(1, char16_t(0xD800)), std::u16string(1, char16_t(0xD800))},
  };
  for (const auto& b : bad) {
    EXPECT_EQ(ErrorOf([&] { OctalTextToInt(b.text); }), b.offending) << ToUtf8(b.text);
  }
}

TEST(NumberTextTest, IntToOctalTextPadsAndSignsTheMagnitude) {
  struct Case {
    std::int32_t value, width;
    std::u16string expected;
  } cases[] = {
      {8, 2, u"10"},
      {0, 3, u"000"},
      {0, 0, u""},
      {0, -4, u""},
      {511, 1, u"777"},
      {64, 2, u"100"},
      {-8, 0, u"-10"},
      {-8, 4, u"-010"},
      {-1, 1, u"-1"},
      {-9, 2, u"-11"},
      {INT32_MAX, 0, u"17777777777"},
      {INT32_MIN, 0, u"-20000000000"},
      {-8, INT32_MIN, u"-10"},
      {INT32_MIN, 13, u"-020000000000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IntToOctalText(c.value, c.width), c.expected) << c.value << "," << c.width;
  }
  for (std::int32_t v : {0, 1, 7, 8, 4095, 123456789, INT32_MAX}) {
    EXPECT_EQ(OctalTextToInt(IntToOctalText(v, 0)), v);
  }
}

TEST(NumberTextTest, SplitNumberTakesTheFirstOrLastDigitRunOfTheTrimmedLine) {
  struct Case {
    std::u16string line;
    bool fromTail;
    std::u16string prefix, number, suffix;
  } cases[] = {
      {u"abc12def34gh", false, u"abc", u"12", u"def34gh"},
      {u"abc12def34gh", true, u"abc12def", u"34", u"gh"},
      {u" \tA-01 \r\n", false, u"A-", u"01", u""},
      {u" \tA-01 \r\n", true, u"A-", u"01", u""},
      {u"１２３", false, u"１２３", u"", u""},
      {u"１２３", true, u"", u"", u"１２３"},
      {u"-5", false, u"-", u"5", u""},
      {u"3.14", false, u"", u"3", u".14"},
      {u"3.14", true, u"3.", u"14", u""},
      {u"007", true, u"", u"007", u""},
      {u"", false, u"", u"", u""},
      {u" \u3000 ", true, u"", u"", u"\u3000"},
      {std::u16string(u"x\0y5z", 5), false, std::u16string(u"x\0y", 3), u"5", u"z"},
  };
  for (const auto& c : cases) {
    NumberSplit s = SplitNumber(c.line, c.fromTail);
    EXPECT_EQ(s.prefix, c.prefix) << ToUtf8(c.line) << " tail=" << c.fromTail;
    EXPECT_EQ(s.number, c.number) << ToUtf8(c.line) << " tail=" << c.fromTail;
    EXPECT_EQ(s.suffix, c.suffix) << ToUtf8(c.line) << " tail=" << c.fromTail;
  }
}

TEST(NumberTextTest, DigitTextPredicatesAndPadding) {
  struct Case {
    std::u16string text;
    bool octal, hex;
  } cases[] = {
      {u"", true, true},          {u"01234567", true, true}, {u"18", false, true},
      {u"DEADbeef", false, true}, {u"1g", false, false},     {u"-1", false, false},
      {u"０", false, false},      {u" 1", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsOctalText(c.text), c.octal) << ToUtf8(c.text);
    EXPECT_EQ(IsHexText(c.text), c.hex) << ToUtf8(c.text);
  }

  struct Pad {
    std::u16string text;
    std::int32_t width;
    std::u16string expected;
  } pads[] = {
      {u"5", 3, u"005"}, {u"-5", 3, u"0-5"}, {u"1234", 2, u"1234"},
      {u"", 2, u"00"},   {u"7", 0, u"7"},    {u"7", INT32_MIN, u"7"},
  };
  for (const auto& p : pads) EXPECT_EQ(PadLeftZeros(p.text, p.width), p.expected);
}

TEST(NumberTextTest, HexTextBothWays) {
  struct Out {
    std::int32_t value, width;
    std::u16string expected;
  } outs[] = {
      {255, 2, u"FF"},
      {256, 2, u"100"},
      {10, 4, u"000A"},
      {-1, 2, u"FFFFFFFF"},
      {0, 0, u"0"},
      {0, 3, u"000"},
      {INT32_MIN, 0, u"80000000"},
      {0xABCDEF, 0, u"ABCDEF"},
  };
  for (const auto& o : outs) EXPECT_EQ(IntToHexText(o.value, o.width), o.expected) << o.value;

  struct In {
    std::u16string text;
    std::int32_t expected;
  } ins[] = {
      {u"1a", 26},
      {u"FFFFFFFF", -1},
      {u"000000001", 1},
      {u"80000000", INT32_MIN},
      {u"7fffffff", INT32_MAX},
      {u"0", 0},
  };
  for (const auto& i : ins) EXPECT_EQ(HexTextToInt(i.text), i.expected) << ToUtf8(i.text);

  for (std::u16string bad : {u"1G", u"", u"100000000", u" 1", u"-1", u"$1", u"ＦＦ", u"0x1"}) {
    EXPECT_EQ(ErrorOf([&] { HexTextToInt(bad); }), u"$" + bad) << ToUtf8(bad);
  }
  for (std::int32_t v : {0, 1, 26, -1, INT32_MIN, INT32_MAX, -123456}) {
    EXPECT_EQ(HexTextToInt(IntToHexText(v, 0)), v);
  }
}

TEST(NumberTextTest, DecimalReadersAcceptSignedDigitsWithinRangeOnly) {
  struct Case {
    std::u16string text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {u"0", 0},
      {u"123", 123},
      {u"-123", -123},
      {u"+7", 7},
      {u" 42 ", 42},
      {u"\t-8\r\n", -8},
      {u"007", 7},
      {u"-0", 0},
      {u"2147483647", INT32_MAX},
      {u"-2147483648", INT32_MIN},
      {u"000000000002147483647", INT32_MAX},
      {u"2147483648", std::nullopt},
      {u"-2147483649", std::nullopt},
      {u"99999999999999999999", std::nullopt},
      {u"", std::nullopt},
      {u"  ", std::nullopt},
      {u"+", std::nullopt},
      {u"- 1", std::nullopt},
      {u"+-1", std::nullopt},
      {u"1 2", std::nullopt},
      {u"1.0", std::nullopt},
      {u"1,000", std::nullopt},
      {u"1e3", std::nullopt},
      {u"$FF", std::nullopt},
      {u"0x10", std::nullopt},
      {u"１２", std::nullopt},
      {u"\u30001", std::nullopt},
      {u"1a", std::nullopt},
  };
  for (const auto& c : cases) {
    if (c.value) {
      EXPECT_EQ(StrToInt(c.text), *c.value) << ToUtf8(c.text);
    } else {
      EXPECT_EQ(ErrorOf([&] { StrToInt(c.text); }), c.text) << ToUtf8(c.text);
    }
    EXPECT_EQ(StrToIntDef(c.text, -99), c.value.value_or(-99)) << ToUtf8(c.text);
  }
  for (std::int32_t v : {0, 5, -5, INT32_MIN, INT32_MAX}) EXPECT_EQ(StrToInt(ToU16(v)), v);
}

}  // namespace
}  // namespace kelvo
