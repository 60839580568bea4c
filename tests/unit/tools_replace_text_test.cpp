#include <gtest/gtest.h>

#include <string>

#include "base/locale.h"
#include "base/portable_locale.h"
#include "base/text.h"
#include "tools/replace_text.h"

namespace kelvo {
namespace {

// A locale whose upper case is not one code unit for one: every 'ß' becomes "SS".
class LengthChangingLocale : public PortableLocale {
 public:
  std::u16string ToUpper(std::u16string_view text) const override {
    std::u16string upper;
    for (char16_t c : PortableLocale::ToUpper(text)) {
      if (c == u'ß') {
        upper += u"SS";
      } else {
        upper += c;
      }
    }
    return upper;
  }
};

TEST(ReplaceTextTest, ReplacesEveryOccurrenceLeftToRight) {
  const PortableLocale locale;
  struct Case {
    std::u16string line, search, replacement;
    bool caseBlind;
    std::u16string expected;
  } cases[] = {
      {u"ABC-abc-Abc", u"abc", u"x", true, u"x-x-x"},
      {u"ABC-abc-Abc", u"abc", u"x", false, u"ABC-x-Abc"},
      {u"ABC-abc-Abc", u"ABC", u"x", true, u"x-x-x"},
      // Occurrences do not overlap, and inserted text is not searched again.
      {u"aaaa", u"aa", u"a", false, u"aa"},
      {u"aaa", u"aa", u"b", false, u"ba"},
      {u"aa", u"a", u"aa", false, u"aaaa"},
      {u"abab", u"ab", u"xabx", true, u"xabxxabx"},
      {u"Aa", u"a", u"aA", true, u"aAaA"},
      // The replacement goes in as typed; only unmatched text keeps its letters.
      {u"Ship IT now", u"it", u"iT", true, u"Ship iT now"},
      {u"", u"a", u"b", true, u""},
      {u"", u"a", u"b", false, u""},
      {u"hello", u"xyz", u"b", true, u"hello"},
      {u"hello", u"", u"b", true, u"hello"},
      {u"hello", u"", u"b", false, u"hello"},
      {u"hello", u"hello", u"", false, u""},
      {u"hello", u"hello!", u"x", false, u"hello"},
      {u"lo", u"l", u"", false, u"o"},
      // Full-width letters have an upper case too; kana and kanji match as they are.
      {u"ａｂｃ ＡＢＣ", u"ａｂｃ", u"済", true, u"済 済"},
      {u"ａｂｃ ＡＢＣ", u"ａｂｃ", u"済", false, u"済 ＡＢＣ"},
      {u"会議室A 会議室a", u"会議室a", u"室", true, u"室 室"},
      {u"Ωω", u"ω", u"o", true, u"oo"},
      {u"a\r\nb", u"\r\n", u" ", false, u"a b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceInLine(c.line, c.search, c.replacement, c.caseBlind ? &locale : nullptr),
              c.expected)
        << ToUtf8(c.line) << " / " << ToUtf8(c.search) << " blind=" << c.caseBlind;
  }
}

TEST(ReplaceTextTest, UpperCaseOfAnotherLengthFallsBackToExactComparison) {
  const LengthChangingLocale locale;
  EXPECT_EQ(ReplaceInLine(u"Straße STRASSE straße", u"straße", u"x", &locale), u"Straße STRASSE x");
  EXPECT_EQ(ReplaceInLine(u"ASS ass", u"ß", u"x", &locale), u"ASS ass");
  // Without the length-changing letter the locale still compares case-blind.
  EXPECT_EQ(ReplaceInLine(u"ABC abc", u"abc", u"x", &locale), u"x x");
}

}  // namespace
}  // namespace kelvo
