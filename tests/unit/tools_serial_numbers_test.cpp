#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/error.h"
#include "base/text.h"
#include "tools/serial_numbers.h"

namespace kelvo {
namespace {

SerialSettings Settings(std::u16string prefix, std::u16string start, std::u16string suffix,
                        std::u16string step, std::u16string count, Radix radix = Radix::Decimal) {
  return {std::move(prefix), std::move(start), std::move(suffix),
          std::move(step),   std::move(count), radix};
}

std::string Describe(const SerialSettings& s) {
  return "prefix='" + ToUtf8(s.prefix) + "' start='" + ToUtf8(s.start) + "' suffix='" +
         ToUtf8(s.suffix) + "' step='" + ToUtf8(s.step) + "' count='" + ToUtf8(s.count) +
         "' radix=" + ToUtf8(RadixCaption(s.radix));
}

TEST(SerialNumbersTest, LinesCountFromTheStartByTheStep) {
  struct Case {
    SerialSettings settings;
    std::vector<std::u16string> lines;
    std::u16string preview;
  } cases[] = {
      {Settings(u"A-", u"01", u"", u"1", u"3"),
       {u"A-01", u"A-02", u"A-03"},
       u"[ A-01 ] ～ [ A-03 ]"},
      {Settings(u"", u"001", u"", u"1", u"12"),
       {u"001", u"002", u"003", u"004", u"005", u"006", u"007", u"008", u"009", u"010", u"011",
        u"012"},
       u"[ 001 ] ～ [ 012 ]"},
      {Settings(u"", u"8", u"", u"1", u"3"), {u"8", u"9", u"10"}, u"[ 8 ] ～ [ 10 ]"},
      {Settings(u"", u"1", u"", u"2", u"3"), {u"1", u"3", u"5"}, u"[ 1 ] ～ [ 5 ]"},
      {Settings(u"", u"10", u"", u"-3", u"3"), {u"10", u"07", u"04"}, u"[ 10 ] ～ [ 04 ]"},
      // The zeros go in front of a negative number's sign.
      {Settings(u"", u"001", u"", u"-1", u"3"), {u"001", u"000", u"0-1"}, u"[ 001 ] ～ [ 0-1 ]"},
      // The step is read leniently: empty or unreadable repeats the start.
      {Settings(u"No.", u"07", u"", u"", u"2"), {u"NO.07", u"NO.07"}, u"[ NO.07 ] ～ [ NO.07 ]"},
      {Settings(u"", u"5", u"", u"2x", u"2"), {u"5", u"5"}, u"[ 5 ] ～ [ 5 ]"},
      {Settings(u"rm", u"1", u"a", u" +2 ", u"2"), {u"RM1A", u"RM3A"}, u"[ RM1A ] ～ [ RM3A ]"},
      // Decimal numbers count past 32 bits.
      {Settings(u"", u"2147483647", u"", u"1", u"3"),
       {u"2147483647", u"2147483648", u"2147483649"},
       u"[ 2147483647 ] ～ [ 2147483649 ]"},
      {Settings(u"", u"-2147483648", u"", u"-1", u"2"),
       {u"-2147483648", u"-2147483649"},
       u"[ -2147483648 ] ～ [ -2147483649 ]"},
      {Settings(u"", u"0e", u"", u"1", u"3", Radix::Hexadecimal),
       {u"0E", u"0F", u"10"},
       u"[ 0E ] ～ [ 10 ]"},
      {Settings(u"id", u"0a", u"h", u"16", u"2", Radix::Hexadecimal),
       {u"ID0AH", u"ID1AH"},
       u"[ ID0AH ] ～ [ ID1AH ]"},
      // Hexadecimal and octal wrap in 32 bits.
      {Settings(u"", u"fffffffe", u"", u"1", u"3", Radix::Hexadecimal),
       {u"FFFFFFFE", u"FFFFFFFF", u"00000000"},
       u"[ FFFFFFFE ] ～ [ 00000000 ]"},
      {Settings(u"", u"01", u"", u"-2", u"2", Radix::Hexadecimal),
       {u"01", u"FFFFFFFF"},
       u"[ 01 ] ～ [ FFFFFFFF ]"},
      {Settings(u"", u"06", u"", u"1", u"3", Radix::Octal),
       {u"06", u"07", u"10"},
       u"[ 06 ] ～ [ 10 ]"},
      {Settings(u"", u"001", u"", u"-2", u"2", Radix::Octal),
       {u"001", u"-01"},
       u"[ 001 ] ～ [ -01 ]"},
      {Settings(u"", u"17777777777", u"", u"1", u"2", Radix::Octal),
       {u"17777777777", u"-20000000000"},
       u"[ 17777777777 ] ～ [ -20000000000 ]"},
      // Only ASCII letters are upper-cased.
      {Settings(u"ａb-", u"1", u"ｃd", u"1", u"2"),
       {u"ａB-1ｃD", u"ａB-2ｃD"},
       u"[ ａB-1ｃD ] ～ [ ａB-2ｃD ]"},
      // No lines for a count of 0 or less; the preview still names the line before the first.
      {Settings(u"", u"5", u"", u"1", u"0"), {}, u"[ 5 ] ～ [ 4 ]"},
      {Settings(u"", u"5", u"", u"2", u"-3"), {}, u"[ 5 ] ～ [ -3 ]"},
      // The count is read strictly, blanks around it allowed.
      {Settings(u"", u"1", u"", u"1", u" 2 "), {u"1", u"2"}, u"[ 1 ] ～ [ 2 ]"},
      // Without a start: the fixed text only, as often as counted.
      {Settings(u"abc", u"", u"", u"1", u"16"), std::vector<std::u16string>(16, u"ABC"),
       u"[ ABC ] x 16"},
      {Settings(u"a", u"", u"-z", u"junk", u"2"), {u"A-Z", u"A-Z"}, u"[ A-Z ] x 2"},
      {Settings(u"", u"", u"", u"", u"3"), {u"", u"", u""}, u"[  ] x 3"},
      {Settings(u"abc", u"", u"", u"1", u"0"), {}, u"[ ABC ] x 0"},
      {Settings(u"abc", u"", u"", u"1", u"-1"), {}, u"[ ABC ] x -1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeSerialLines(c.settings), c.lines) << Describe(c.settings);
    EXPECT_EQ(SerialPreview(c.settings), c.preview) << Describe(c.settings);
  }
}

TEST(SerialNumbersTest, TheDialogsDefaultsPreviewTheFirstSixteenNumbers) {
  const SerialSettings defaults = Settings(u"", u"00", u"", u"1", u"16");
  EXPECT_EQ(SerialPreview(defaults), u"[ 00 ] ～ [ 15 ]");
  std::vector<std::u16string> lines = MakeSerialLines(defaults);
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines.back(), u"15");
}

TEST(SerialNumbersTest, PreviewOfAHugeCountReachesPast32Bits) {
  struct Case {
    SerialSettings settings;
    std::u16string preview;
  } cases[] = {
      {Settings(u"", u"2147483647", u"", u"2147483647", u"2147483647"),
       u"[ 2147483647 ] ～ [ 4611686014132420609 ]"},
      {Settings(u"", u"-2147483648", u"", u"-2147483648", u"-2147483648"),
       u"[ -2147483648 ] ～ [ 4611686018427387904 ]"},
      {Settings(u"", u"0", u"", u"1", u"100001"), u"[ 0 ] ～ [ 100000 ]"},
  };
  for (const auto& c : cases) EXPECT_EQ(SerialPreview(c.settings), c.preview);
}

// The offending text of the conversion error fn raises; nullopt if it raises none.
template <typename Fn>
std::optional<std::u16string> ConversionErrorOf(Fn fn) {
  try {
    fn();
  } catch (const ConversionError& e) {
    return e.offending();
  }
  return std::nullopt;
}

TEST(SerialNumbersTest, BadFieldsRaiseTheFirstFailedRead) {
  struct Case {
    SerialSettings settings;
    std::u16string offending;
    bool previewFails;
  } cases[] = {
      {Settings(u"", u"1x", u"", u"1", u"3"), u"1x", true},
      {Settings(u"", u"1x", u"", u"1", u""), u"1x", true},
      {Settings(u"", u"1x", u"", u"1", u"100001"), u"1x", true},
      {Settings(u"", u"１", u"", u"1", u"3"), u"１", true},
      {Settings(u"", u"2147483648", u"", u"1", u"3"), u"2147483648", true},
      {Settings(u"", u"1G", u"", u"1", u"3", Radix::Hexadecimal), u"$1G", true},
      {Settings(u"", u"123456789", u"", u"1", u"3", Radix::Hexadecimal), u"$123456789", true},
      {Settings(u"", u"1x", u"", u"1", u"3", Radix::Octal), u"x", true},
      {Settings(u"", u"1", u"", u"1", u""), u"", true},
      {Settings(u"", u"1", u"", u"1", u"3.0"), u"3.0", true},
      {Settings(u"", u"1", u"", u"1", u"2147483648"), u"2147483648", true},
      // Without a start the dialog's preview reads the count leniently.
      {Settings(u"abc", u"", u"", u"1", u""), u"", false},
      {Settings(u"abc", u"", u"", u"1", u"x"), u"x", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConversionErrorOf([&] { MakeSerialLines(c.settings); }), c.offending)
        << Describe(c.settings);
    if (c.previewFails) {
      EXPECT_EQ(ConversionErrorOf([&] { SerialPreview(c.settings); }), c.offending)
          << Describe(c.settings);
    } else {
      EXPECT_EQ(SerialPreview(c.settings), u"[ ABC ] x 0") << Describe(c.settings);
    }
  }
}

TEST(SerialNumbersTest, CountAboveTheLimitIsRefusedWholly) {
  for (const SerialSettings& s :
       {Settings(u"", u"1", u"", u"1", u"100001"), Settings(u"", u"", u"", u"1", u"100001"),
        Settings(u"", u"1", u"", u"1", u"2147483647")}) {
    std::optional<std::u16string> refusal;
    try {
      MakeSerialLines(s);
    } catch (const ConversionError&) {
      ADD_FAILURE() << "a readable count is not a conversion error: " << Describe(s);
    } catch (const Error& e) {
      refusal = e.text();
    }
    EXPECT_EQ(refusal, u"作成数は 100000 以下にしてください") << Describe(s);
  }
  EXPECT_EQ(MakeSerialLines(Settings(u"", u"", u"", u"1", u"100000")).size(), 100000u);
  std::vector<std::u16string> most = MakeSerialLines(Settings(u"", u"1", u"", u"1", u"100000"));
  ASSERT_EQ(most.size(), 100000u);
  EXPECT_EQ(most.back(), u"100000");
}

TEST(SerialNumbersTest, CaptionsAndAsciiUpperCase) {
  EXPECT_EQ(RadixCaption(Radix::Decimal), u"10進");
  EXPECT_EQ(RadixCaption(Radix::Hexadecimal), u"16進");
  EXPECT_EQ(RadixCaption(Radix::Octal), u" 8進");
  EXPECT_EQ(AsciiUpper(u"az AZ @[`{ ａｚ àé ω ｶﾅ"), u"AZ AZ @[`{ ａｚ àé ω ｶﾅ");
  EXPECT_EQ(AsciiUpper(u""), u"");
}

}  // namespace
}  // namespace kelvo
