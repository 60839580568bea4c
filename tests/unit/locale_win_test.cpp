#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "base/locale_win.h"
#include "base/portable_locale.h"
#include "base/text.h"

namespace kelvo {
namespace {

using Width = Locale::Width;

std::u16string Map(const Locale& locale, std::u16string_view s, Width width) {
  return locale.MapWidth(s, width).value_or(u"<failed>");
}

std::string Hex(std::u16string_view s) {
  std::string out;
  char buffer[8];
  for (char16_t c : s) {
    std::snprintf(buffer, sizeof buffer, " %04X", static_cast<unsigned>(c));
    out += buffer;
  }
  return out.empty() ? " (empty)" : out;
}

TEST(WindowsLocaleTest, MapsWithTheLengthItNeeds) {
  WindowsLocale locale;
  EXPECT_EQ(Map(locale, u"", Width::Full), u"");
  EXPECT_EQ(Map(locale, u"ｶﾞ1A ", Width::Full), u"ガ１Ａ\u3000");
  EXPECT_EQ(Map(locale, u"ガ１Ａ\u3000", Width::Half), u"ｶﾞ1A ");
  EXPECT_EQ(Map(locale, std::u16string(u"a\0b", 3), Width::Full), std::u16string(u"ａ\0ｂ", 3));
  const std::u16string lone{char16_t(0xD800), u'a', char16_t(0xDC00)};
  EXPECT_EQ(Map(locale, lone, Width::Full),
            (std::u16string{char16_t(0xD800), u'ａ', char16_t(0xDC00)}));

  std::u16string line, wide;
  for (int i = 0; i < 20000; ++i) {
    line += u"ﾊﾟ1 ";
    wide += u"パ１\u3000";
  }
  EXPECT_EQ(Map(locale, line, Width::Full), wide);
  EXPECT_EQ(Map(locale, wide, Width::Half), line);
}

TEST(WindowsLocaleTest, UpperCaseAndOrderIgnoringCase) {
  WindowsLocale locale;
  EXPECT_EQ(locale.ToUpper(u"abc-ｚ図"), u"ABC-Ｚ図");
  EXPECT_EQ(locale.CompareNoCase(u"ABC", u"abc"), 0);
  EXPECT_LT(locale.CompareNoCase(u"apple", u"Banana"), 0);
  EXPECT_GT(locale.CompareNoCase(u"Banana", u"apple"), 0);
}

// The tests run with the Japanese code page, as the program does for its users.
TEST(WindowsLocaleTest, AnsiCodePageRoundTripsAndRefusesWhatItLacks) {
  WindowsLocale locale;
  std::u16string japanese = u"ブリックスCAD\tBricscadApp.AcadApplication";
  std::optional<std::string> bytes = locale.ToAnsi(japanese);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(locale.FromAnsi(*bytes), japanese);
  EXPECT_EQ(locale.ToAnsi(u"\u00E9\U0001F600"), std::nullopt);
  EXPECT_EQ(locale.ToAnsi(u""), std::string());
}

TEST(WindowsLocaleTest, DecimalSeparatorIsAPunctuationMark) {
  char16_t separator = WindowsLocale().DecimalSeparator();
  EXPECT_TRUE(separator == u'.' || separator == u',' || separator == u'\u066B')
      << static_cast<unsigned>(separator);
}

// The portable mapping stands in for LCMapStringW on Linux. Every character the
// width conversion relies on must map alike: ASCII and the space, half-width
// katakana alone and with the sound marks that combine, and back again.
TEST(WindowsLocaleTest, PortableMappingAgreesWithThePlatform) {
  const PortableLocale portable;
  const WindowsLocale platform;

  std::vector<std::u16string> relied;
  for (char16_t c = 0x20; c <= 0x7E; ++c) relied.push_back(std::u16string(1, c));
  for (char16_t c = 0xFF61; c <= 0xFF9D; ++c) {
    relied.push_back(std::u16string(1, c));
    for (char16_t mark : {u'\uFF9E', u'\uFF9F'}) {
      std::u16string pair{c, mark};
      if (Map(portable, pair, Width::Full).size() == 1) relied.push_back(pair);
    }
  }

  // Wine (and, as Wine's own comments suggest, Windows) leaves the reverse
  // solidus and U+FF3C alone; the portable mapping keeps to the documented pair.
  const std::set<std::u16string> tolerated = {u"\\", u"\uFF3C"};

  std::vector<std::string> differences;
  std::vector<std::string> toleratedSeen;
  std::u16string allHalf, allFull;
  auto compare = [&](const std::u16string& in, Width width) {
    std::u16string mine = Map(portable, in, width);
    std::u16string theirs = Map(platform, in, width);
    if (mine == theirs) return;
    std::string line = (width == Width::Full ? "full" : "half") + Hex(in) + ": platform" +
                       Hex(theirs) + ", portable" + Hex(mine);
    (tolerated.count(in) ? toleratedSeen : differences).push_back(line);
  };
  for (const auto& in : relied) {
    compare(in, Width::Full);
    std::u16string full = Map(portable, in, Width::Full);
    compare(full, Width::Half);
    if (tolerated.count(in)) continue;
    allHalf += in;
    allFull += full;
  }
  // The same characters as one string, since the mapping looks at neighbours.
  if (differences.empty()) {
    compare(allHalf, Width::Full);
    compare(allFull, Width::Half);
  }

  for (const auto& line : toleratedSeen) std::printf("[ known    ] %s\n", line.c_str());
  for (const auto& line : differences) ADD_FAILURE() << line;
}

}  // namespace
}  // namespace kelvo
