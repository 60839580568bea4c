#include <gtest/gtest.h>

#include "base/error.h"
#include "base/text.h"

namespace kelvo {
namespace {

TEST(TextTest, Utf8RoundTripKeepsJapaneseAndAstralCharacters) {
  std::u16string text = u"会議室 No.001 \U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(TextTest, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b\xE3\x81"),
            u"a\uFFFDb\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form
}

TEST(TextTest, BlankMeansOnlyCodesUpToSpace) {
  struct Case {
    std::u16string line;
    bool blank;
  } cases[] = {
      {u"", true},        {u" \t\r", true}, {std::u16string(1, u'\0'), true},
      {u"\u3000", false}, {u"  a", false},  {u"\x1F\x20", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsBlank(c.line), c.blank) << ToUtf8(c.line);
  EXPECT_EQ(Trim(u" \tab c\r\n"), u"ab c");
}

TEST(TextTest, ConversionErrorNamesTheOffendingText) {
  ConversionError e(u"1a");
  EXPECT_EQ(e.text(), u"'1a' は整数ではありません");
  EXPECT_EQ(e.offending(), u"1a");
}

}  // namespace
}  // namespace kelvo
