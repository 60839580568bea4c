#include <gtest/gtest.h>

#include <string>

#include "base/portable_locale.h"
#include "base/text.h"

namespace kelvo {
namespace {

std::u16string Full(std::u16string_view s) {
  return PortableLocale().MapWidth(s, Locale::Width::Full).value();
}
std::u16string Half(std::u16string_view s) {
  return PortableLocale().MapWidth(s, Locale::Width::Half).value();
}

TEST(PortableLocaleTest, AsciiAndSpacePairWithFullWidthForms) {
  std::u16string ascii, wide;
  for (char16_t c = 0x21; c <= 0x7E; ++c) {
    ascii += c;
    wide += static_cast<char16_t>(c + 0xFEE0);
  }
  ascii += u' ';
  wide += u'\u3000';
  EXPECT_EQ(Full(ascii), wide);
  EXPECT_EQ(Half(wide), ascii);
}

TEST(PortableLocaleTest, HalfWidthKanaPairWithKatakana) {
  const std::u16string half =
      u"｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ"
      u"ｳﾞｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟﾜﾞｦﾞ";
  const std::u16string full =
      u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘ"
      u"ホマミムメモヤユヨラリルレロワン"
      u"ヴガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヷヺ";
  EXPECT_EQ(Full(half), full);
  EXPECT_EQ(Half(full), half);
}

TEST(PortableLocaleTest, OtherPairsAndCharactersLeftAlone) {
  struct Case {
    std::u16string in, full, half;
  } cases[] = {
      // A sound mark combines only with a kana that takes it; alone it is the spacing mark.
      {u"ｱﾞﾊ ﾟﾞ", u"ア゛ハ\u3000゜゛", u"ｱﾞﾊ ﾟﾞ"},
      {u"゛゜\u3099\u309A", u"゛゜\u3099\u309A", u"ﾞﾟﾞﾟ"},
      {u"¢£¬¯¦¥₩⦅⦆", u"￠￡￢￣￤￥￦｟｠", u"¢£¬¯¦¥₩⦅⦆"},
      {u"￠￡￢￣￤￥￦｟｠", u"￠￡￢￣￤￥￦｟｠", u"¢£¬¯¦¥₩⦅⦆"},
      {u"“”‘’", u"“”‘’", u"\"\"''"},
      {u"ひらがな漢字ヮヵヶ", u"ひらがな漢字ヮヵヶ", u"ひらがな漢字ヮヵヶ"},
      {std::u16string(u"\xD800\0\xDFFF", 3), std::u16string(u"\xD800\0\xDFFF", 3),
       std::u16string(u"\xD800\0\xDFFF", 3)},
      {u"ｶ", u"カ", u"ｶ"},  // a kana at the very end looks no further
      {u"", u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Full(c.in), c.full) << ToUtf8(c.in);
    EXPECT_EQ(Half(c.in), c.half) << ToUtf8(c.in);
  }
  EXPECT_EQ(PortableLocale().DecimalSeparator(), u'.');
}

TEST(PortableLocaleTest, UpperCaseKeepsEveryPosition) {
  PortableLocale locale;
  EXPECT_EQ(locale.ToUpper(u"abc-ÀéÿｚΩω ß÷"), u"ABC-ÀÉŸＺΩΩ ß÷");
  EXPECT_EQ(locale.ToUpper(u"カナ漢字123"), u"カナ漢字123");
  EXPECT_LT(locale.CompareNoCase(u"apple", u"Banana"), 0);
  EXPECT_EQ(locale.CompareNoCase(u"ABC", u"abc"), 0);
  EXPECT_GT(locale.CompareNoCase(u"abcd", u"ABC"), 0);
}

TEST(PortableLocaleTest, AnsiIsLatin1AndRefusesWhatItCannotHold) {
  PortableLocale locale;
  EXPECT_EQ(locale.FromAnsi(std::string("A\xE9\xFF", 3)), u"Aéÿ");
  EXPECT_EQ(locale.ToAnsi(u"Aéÿ"), std::string("A\xE9\xFF", 3));
  EXPECT_EQ(locale.ToAnsi(u"図面"), std::nullopt);
}

}  // namespace
}  // namespace kelvo
