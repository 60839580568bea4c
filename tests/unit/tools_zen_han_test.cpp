#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <span>
#include <string>

#include "base/portable_locale.h"
#include "base/text.h"
#include "tools/zen_han.h"

namespace kelvo {
namespace {

using Routine = void (*)(std::u16string&, const MessagePump&);
using Table = std::span<const std::u16string_view>;

struct Pair {
  const char* name;
  Table zen, han;
  Routine toZen, toHan;
};

const Pair kPairs[] = {
    {"kana", ZenKana, HanKana, HanKanaToZen, ZenKanaToHan},
    {"digits", ZenDigits, HanDigits, HanDigitToZen, ZenDigitToHan},
    {"numerals", ZenNumerals, HanNumerals, HanNumToZen, ZenNumToHan},
    {"letters", ZenAlphas, HanAlphas, HanAlphaToZen, ZenAlphaToHan},
    {"symbols", ZenSymbols, HanSymbols, HanSymbolToZen, ZenSymbolToHan},
};

std::u16string Converted(Routine routine, std::u16string s) {
  routine(s, {});
  return s;
}

std::u16string Units(std::u16string_view s) {
  return std::u16string(s);
}

TEST(ZenHanTest, TablesHoldTheListedCodePoints) {
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(ZenDigits[i], Units(std::u16string(1, char16_t(0xFF10 + i))));
    EXPECT_EQ(HanDigits[i], Units(std::u16string(1, char16_t(u'0' + i))));
    EXPECT_EQ(ZenNumerals[i], ZenDigits[i]);
    EXPECT_EQ(HanNumerals[i], HanDigits[i]);
  }
  EXPECT_EQ(std::u16string(ZenNumerals[10]) + Units(ZenNumerals[11]) + Units(ZenNumerals[12]) +
                Units(ZenNumerals[13]),
            u"\uFF0B\uFF0D\uFF0E\uFF0C");
  EXPECT_EQ(std::u16string(HanNumerals[10]) + Units(HanNumerals[11]) + Units(HanNumerals[12]) +
                Units(HanNumerals[13]),
            u"+-.,");

  for (int i = 0; i < 52; ++i) {
    char16_t han = i < 26 ? u'A' + i : u'a' + (i - 26);
    EXPECT_EQ(HanAlphas[i], std::u16string(1, han));
    EXPECT_EQ(ZenAlphas[i], std::u16string(1, char16_t(han + 0xFEE0)));
  }

  const std::u16string hanSymbols = u"!\"#$%&' ()*+,-./:;<=>?@[]^_`{}|~\\";
  for (int i = 0; i < 33; ++i) {
    char16_t han = hanSymbols[i];
    char16_t zen = han + 0xFEE0;
    if (han == u'"') zen = 0x201D;
    if (han == u'\'') zen = 0x2019;
    if (han == u' ') zen = 0x3000;
    if (han == u'`') zen = 0x2018;
    if (han == u'\\') zen = 0xFFE5;
    EXPECT_EQ(HanSymbols[i], std::u16string(1, han)) << i;
    EXPECT_EQ(ZenSymbols[i], std::u16string(1, zen)) << i;
  }

  // Voiced entries first: ﾞ on 0..20, ﾟ on 21..25, each the plain kana's code
  // plus one (plus two) as Unicode orders them; ヴ has its own code.
  for (int i = 0; i < 84; ++i) {
    ASSERT_EQ(ZenKana[i].size(), 1u) << i;
    ASSERT_EQ(HanKana[i].size(), i < 26 ? 2u : 1u) << i;
    if (i >= 26) continue;
    EXPECT_EQ(HanKana[i][1], i < 21 ? 0xFF9E : 0xFF9F) << i;
    int plain = 26;
    while (plain < 84 && HanKana[plain][0] != HanKana[i][0]) ++plain;
    ASSERT_LT(plain, 84) << i;
    if (i == 0) {
      EXPECT_EQ(ZenKana[0][0], 0x30F4);
    } else {
      EXPECT_EQ(ZenKana[i][0], ZenKana[plain][0] + (i < 21 ? 1 : 2)) << i;
    }
  }
}

// The tables and the portable locale are written independently; the platform's
// width pairs must agree with every entry but the four curly/yen symbol pairs.
TEST(ZenHanTest, TablesAgreeWithTheWidthMapping) {
  PortableLocale locale;
  for (const Pair& p : kPairs) {
    for (std::size_t i = 0; i < p.zen.size(); ++i) {
      char16_t z = p.zen[i][0];
      if (z == 0x201D || z == 0x2019 || z == 0x2018 || z == 0xFFE5) continue;
      EXPECT_EQ(locale.MapWidth(p.han[i], Locale::Width::Full), Units(p.zen[i]))
          << p.name << " " << i;
      EXPECT_EQ(locale.MapWidth(p.zen[i], Locale::Width::Half), Units(p.han[i]))
          << p.name << " " << i;
    }
  }
}

TEST(ZenHanTest, EveryEntryConvertsAndConvertsBack) {
  for (const Pair& p : kPairs) {
    std::u16string allZen, allHan;
    for (std::size_t i = 0; i < p.zen.size(); ++i) {
      EXPECT_EQ(Converted(p.toZen, Units(p.han[i])), p.zen[i]) << p.name << " " << i;
      EXPECT_EQ(Converted(p.toHan, Units(p.zen[i])), p.han[i]) << p.name << " " << i;
      allZen += p.zen[i];
      allHan += p.han[i];
    }
    EXPECT_EQ(Converted(p.toZen, allHan), allZen) << p.name;
    EXPECT_EQ(Converted(p.toHan, allZen), allHan) << p.name;
  }
}

TEST(ZenHanTest, ConvertsTheListedCases) {
  struct Case {
    Routine routine;
    std::u16string in, out;
  } cases[] = {
      {HanKanaToZen, u"ｶﾞｷﾞ", u"ガギ"},
      {HanKanaToZen, u"ﾊﾟﾋﾞｳﾞｧ", u"パビヴァ"},
      {HanKanaToZen, u"ﾞｱ", u"ﾞア"},           // a sound mark with no kana before it
      {HanKanaToZen, u"ｱﾞﾅﾟ", u"アﾞナﾟ"},      // kana that take no such mark
      {HanKanaToZen, u"ｶ ﾞﾊ-ﾟ", u"カ ﾞハ-ﾟ"},  // mark separated from its kana
      {HanKanaToZen, u"｢ﾃｽﾄｰ｣", u"「テストー」"},
      {ZenKanaToHan, u"ガ", u"ｶﾞ"},
      {ZenKanaToHan, u"ー", u"ｰ"},
      {ZenKanaToHan, u"「ヴォイド」", u"｢ｳﾞｫｲﾄﾞ｣"},
      {ZenSymbolToHan, u"”‘’", u"\"`'"},
      {HanSymbolToZen, u"\"\\", u"”￥"},
      {HanSymbolToZen, u"a b", u"a\u3000b"},
      {ZenSymbolToHan, u"a\u3000b", u"a b"},
      {ZenSymbolToHan, u"“＼", u"“＼"},  // no entries
      {HanDigitToZen, u"-1.5", u"-１.５"},
      {HanNumToZen, u"-1.5", u"－１．５"},
      {ZenNumToHan, u"＋１，０００．５", u"+1,000.5"},
      {ZenDigitToHan, u"－１２", u"－12"},
      {ZenAlphaToHan, u"Ａｂ", u"Ab"},
      {HanAlphaToZen, u"No.1", u"Ｎｏ.1"},
  };
  for (const auto& c : cases) EXPECT_EQ(Converted(c.routine, c.in), c.out) << ToUtf8(c.in);
}

TEST(ZenHanTest, CharactersOutsideEveryTableAreKept) {
  // Hiragana, kanji, lone sound marks, kana punctuation, rare katakana, “, and
  // strings with lone surrogates and NULs.
  const std::u16string kept[] = {
      u"ひらがな漢字ﾞﾟ･｡､・。、゛゜ヮヰヱヵヶ“",
      std::u16string(u"\xD800\0\xDFFF\xDC00\xDBFF", 5),
      u"",
  };
  for (const Pair& p : kPairs) {
    for (const auto& s : kept) {
      EXPECT_EQ(Converted(p.toZen, s), s) << p.name;
      EXPECT_EQ(Converted(p.toHan, s), s) << p.name;
    }
  }
  PortableLocale locale;
  std::u16string empty;
  AllToZen(empty, locale);
  AllToHan(empty, locale);
  EXPECT_EQ(empty, u"");
}

TEST(ZenHanTest, SurrogatesAndNulsDoNotDisturbTheConversion) {
  const std::u16string in(u"\xD800ｶﾞ\0A\xDC00 1", 8);
  EXPECT_EQ(Converted(HanKanaToZen, in), std::u16string(u"\xD800ガ\0A\xDC00 1", 7));
  EXPECT_EQ(Converted(HanAlphaToZen, in), std::u16string(u"\xD800ｶﾞ\0Ａ\xDC00 1", 8));
  std::u16string all = in;
  AllToZen(all, PortableLocale());
  EXPECT_EQ(all, std::u16string(u"\xD800ガ\0Ａ\xDC00\u3000１", 7));
  AllToHan(all, PortableLocale());
  EXPECT_EQ(all, in);
}

TEST(ZenHanTest, LongLineConvertsAsItsPiecesDo) {
  std::u16string line, zen;
  for (int i = 0; i < 50000; ++i) {
    line += u"ｶﾞﾋﾟ1A ";
    zen += u"ガピ1A ";
  }
  EXPECT_EQ(Converted(HanKanaToZen, line), zen);
  EXPECT_EQ(Converted(ZenKanaToHan, zen), line);
  std::u16string all = line;
  AllToZen(all, PortableLocale());
  EXPECT_EQ(all.size(), 5u * 50000);
  AllToHan(all, PortableLocale());
  EXPECT_EQ(all, line);
}

TEST(ZenHanTest, PumpRunsAfterEveryEntry) {
  for (const Pair& p : kPairs) {
    for (Routine r : {p.toZen, p.toHan}) {
      std::size_t calls = 0;
      std::u16string s = u"ｶﾞ1A!";
      r(s, [&] { ++calls; });
      EXPECT_EQ(calls, p.zen.size()) << p.name;
    }
  }
}

class FailingLocale : public PortableLocale {
 public:
  std::optional<std::u16string> MapWidth(std::u16string_view, Width) const override {
    return std::nullopt;
  }
};

TEST(ZenHanTest, FailingPlatformMappingKeepsTheText) {
  std::u16string s = u"ｶﾞ1A";
  AllToZen(s, FailingLocale());
  AllToHan(s, FailingLocale());
  EXPECT_EQ(s, u"ｶﾞ1A");
}

}  // namespace
}  // namespace kelvo
