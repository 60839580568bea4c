#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(TextTest, SplitLinesKeepingBreaksEndsEachLineAtItsOwnBreak) {
  struct Case {
    std::u16string text;
    std::vector<TextLine> lines;
  } cases[] = {
      {u"", {}},
      {u"a", {{u"a", u""}}},
      {u"a\r\nb\r\n", {{u"a", u"\r\n"}, {u"b", u"\r\n"}}},
      {u"a\rb", {{u"a", u"\r"}, {u"b", u""}}},
      {u"a\nb\n", {{u"a", u"\n"}, {u"b", u"\n"}}},
      {u"a\r\nb\rc\nd", {{u"a", u"\r\n"}, {u"b", u"\r"}, {u"c", u"\n"}, {u"d", u""}}},
      // LF CR is two breaks, CR CR LF a CR then a CR LF.
      {u"a\n\rb", {{u"a", u"\n"}, {u"", u"\r"}, {u"b", u""}}},
      {u"\r\r\n", {{u"", u"\r"}, {u"", u"\r\n"}}},
      {u"\r\n", {{u"", u"\r\n"}}},
      {u"\n\n\n", {{u"", u"\n"}, {u"", u"\n"}, {u"", u"\n"}}},
      {u"a\r", {{u"a", u"\r"}}},
      {u"\u3000 \t\x0B\x0C", {{u"\u3000 \t\x0B\x0C", u""}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitLinesKeepingBreaks(c.text), c.lines) << ToUtf8(c.text);
    EXPECT_EQ(JoinLinesKeepingBreaks(c.lines), c.text) << ToUtf8(c.text);
  }
}

TEST(TextTest, SplitEditorLinesSeparatesAtCrLfOnly) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> lines;
  } cases[] = {
      {u"", {u""}},
      {u"a", {u"a"}},
      {u"a\r\nb", {u"a", u"b"}},
      {u"a\r\nb\r\n", {u"a", u"b", u""}},
      {u"\r\n", {u"", u""}},
      {u"\r\n\r\n", {u"", u"", u""}},
      {u"a\rb\nc", {u"a\rb\nc"}},
      {u"a\r\r\nb\n\r\n", {u"a\r", u"b\n", u""}},
      {u"\n\r", {u"\n\r"}},
      {u"a\r", {u"a\r"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitEditorLines(c.text), c.lines) << ToUtf8(c.text);
    EXPECT_EQ(JoinEditorLines(c.lines), c.text) << ToUtf8(c.text);
  }
  EXPECT_EQ(JoinEditorLines({}), u"");
}

TEST(TextTest, LineSplittersRoundTripEveryMixOfBreaks) {
  // Every text of up to six characters over an alphabet that makes each kind of break.
  const std::u16string alphabet = u"a\r\n";
  for (int length = 0; length <= 6; ++length) {
    int combinations = 1;
    for (int i = 0; i < length; ++i) combinations *= 3;
    for (int n = 0; n < combinations; ++n) {
      std::u16string text;
      for (int i = 0, k = n; i < length; ++i, k /= 3) text += alphabet[k % 3];
      std::vector<TextLine> lines = SplitLinesKeepingBreaks(text);
      EXPECT_EQ(JoinLinesKeepingBreaks(lines), text) << ToUtf8(text);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text.find_first_of(u"\r\n"), std::u16string::npos);
        // Only the last line may end without a break, and never with an empty text.
        if (i + 1 < lines.size()) {
          EXPECT_FALSE(lines[i].lineBreak.empty()) << ToUtf8(text);
        } else if (lines[i].lineBreak.empty()) {
          EXPECT_FALSE(lines[i].text.empty()) << ToUtf8(text);
        }
      }
      std::vector<std::u16string> editorLines = SplitEditorLines(text);
      EXPECT_EQ(JoinEditorLines(editorLines), text) << ToUtf8(text);
      for (const auto& line : editorLines) {
        EXPECT_EQ(line.find(u"\r\n"), std::u16string::npos) << ToUtf8(text);
      }
    }
  }
}

}  // namespace
}  // namespace kelvo
